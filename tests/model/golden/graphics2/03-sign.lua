local sign = display.newText( "Say \"Hi\"", 160, 240, native.systemFont, 120 )
sign.anchorX = 0
sign.anchorY = 0
sign:setFillColor( 0, 0, 0 )

local function sign_touch( event )
	if event.phase == "began" then
		-- TODO: write your touch handling code here for began
		print( "touch began - sign", event.x, event.y )
	elseif event.phase == "ended" then
		-- TODO: write your touch handling code here for ended
		print( "touch ended - sign", event.x, event.y )
	end
	return true
end
sign:addEventListener( "touch", sign_touch )
