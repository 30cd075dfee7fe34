local pic = display.newImageRect( "art\dir\\", 200, 120 )
pic.anchorX = 0.5
pic.anchorY = 0.5
pic.x = 160
pic.y = 240

local function pic_touch( event )
	if event.phase == "moved" then
		-- TODO: write your touch handling code here for moved
		print( "touch moved - pic", event.x, event.y )
	end
	return true
end
pic:addEventListener( "touch", pic_touch )
