local physics = require( "physics" )
physics.start()

-- START the display object Declaration
local crate={}
local crate_touch={}

-- CREATE the display object
crate = display.newRect( 100, 50, 60, 40) 
crate:setFillColor( 255, 0, 0 )

--Start declaring the handler event
function crate_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
crate:addEventListener ( "touch", crate_touch )
--end declaring the event listener
physics.addBody( crate, "dynamic", { density = 1, friction = 0.3, bounce = 0.2 } )
