local physics = require( "physics" )
physics.start()

local crate = display.newRect( 100, 50, 60, 40 )
crate.anchorX = 0
crate.anchorY = 0
crate:setFillColor( 1, 0, 0 )
physics.addBody( crate, "dynamic", { density = 1, friction = 0.3, bounce = 0.2 } )
