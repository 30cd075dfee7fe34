local hero = display.newImage( "hero.png" )
hero.anchorX = 0.5
hero.anchorY = 0.5
hero.x = 160
hero.y = 240

local function hero_touch( event )
	if event.phase == "began" then
		-- TODO: write your touch handling code here for began
		print( "touch began - hero", event.x, event.y )
	elseif event.phase == "moved" then
		-- TODO: write your touch handling code here for moved
		print( "touch moved - hero", event.x, event.y )
	elseif event.phase == "cancelled" then
		-- TODO: write your touch handling code here for cancelled
		print( "touch cancelled - hero", event.x, event.y )
	elseif event.phase == "ended" then
		-- TODO: write your touch handling code here for ended
		print( "touch ended - hero", event.x, event.y )
	end
	return true
end
hero:addEventListener( "touch", hero_touch )
