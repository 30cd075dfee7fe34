-- START the display object Declaration
local rope={}
local rope_touch={}

-- CREATE the display object
rope = display.newLine( 0, 0, 30, 40) 
rope:setFillColor( 32, 64, 128 )
rope.width = 4

--Start declaring the handler event
function rope_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
rope:addEventListener ( "touch", rope_touch )
--end declaring the event listener
