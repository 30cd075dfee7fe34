local physics = require( "physics" )
physics.start()

-- START the display object Declaration
local coin={}
local coin_touch={}
local coin_touch_began={}

-- CREATE the display object
coin = display.newText( "Coin", 10, 20, native.systemFont, 24) 
coin:setTextColor( 0, 0, 0 )

--Start declaring the handler event
function coin_touch ( event )
	if "began" == event.phase then 
		coin_touch_began ( event )
end
end
--END declaring the handler event

--Start declaring the onBegan event
function coin_touch_began ( event )
	-- TODO: write your touch handling code here for began
	print ( "touch began - coin" )
end
--End declaring the onBegan event

--Start declaring the event listener
coin:addEventListener ( "touch", coin_touch )
--end declaring the event listener
physics.addBody( coin, "kinematic", { density = 0.5, friction = 1, bounce = 0, radius = math.min( coin.width, coin.height ) / 2, isSensor = true } )
