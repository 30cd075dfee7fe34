local panel = display.newGroup()
hud:insert( panel )

local function panel_touch( event )
	if event.phase == "began" then
		-- TODO: write your touch handling code here for began
		print( "touch began - panel", event.x, event.y )
	end
	return true
end
panel:addEventListener( "touch", panel_touch )
