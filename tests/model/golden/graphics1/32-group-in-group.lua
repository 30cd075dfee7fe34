-- START the display object Declaration
local panel={}
local panel_touch={}
local panel_touch_began={}

-- CREATE the display object
panel = display.newGroup( ) 
hud:insert( panel )

--Start declaring the handler event
function panel_touch ( event )
	if "began" == event.phase then 
		panel_touch_began ( event )
end
end
--END declaring the handler event

--Start declaring the onBegan event
function panel_touch_began ( event )
	-- TODO: write your touch handling code here for began
	print ( "touch began - panel" )
end
--End declaring the onBegan event

--Start declaring the event listener
panel:addEventListener ( "touch", panel_touch )
--end declaring the event listener
