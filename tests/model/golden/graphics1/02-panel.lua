-- START the display object Declaration
local panel={}
local panel_touch={}

-- CREATE the display object
panel = display.newRoundedRect( menuGroup, 20, 40, 200, 120, 12) 
panel:setFillColor( 255, 128, 0 )

--Start declaring the handler event
function panel_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
panel:addEventListener ( "touch", panel_touch )
--end declaring the event listener
