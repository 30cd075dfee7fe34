-- START the display object Declaration
local hud={}
local hud_touch={}

-- CREATE the display object
hud = display.newGroup( ) 
hud.x = 10
hud.y = -20

--Start declaring the handler event
function hud_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
hud:addEventListener ( "touch", hud_touch )
--end declaring the event listener
