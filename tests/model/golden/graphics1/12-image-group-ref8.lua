-- START the display object Declaration
local v={}
local v_touch={}

-- CREATE the display object
v = display.newImage( g, ) 
v:setReferencePoint( display.BottomRightReferencePoint )
v.x = -5
v.y = 7

--Start declaring the handler event
function v_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
v:addEventListener ( "touch", v_touch )
--end declaring the event listener
