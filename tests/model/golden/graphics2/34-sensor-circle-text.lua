local physics = require( "physics" )
physics.start()

local coin = display.newText( "Coin", 10, 20, native.systemFont, 24 )
coin.anchorX = 0
coin.anchorY = 0
coin:setFillColor( 0, 0, 0 )

local function coin_touch( event )
	if event.phase == "began" then
		-- TODO: write your touch handling code here for began
		print( "touch began - coin", event.x, event.y )
	end
	return true
end
coin:addEventListener( "touch", coin_touch )
physics.addBody( coin, "kinematic", { density = 0.5, friction = 1, bounce = 0, radius = math.min( coin.width, coin.height ) / 2, isSensor = true } )
