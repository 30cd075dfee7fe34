-- START the display object Declaration
local sign={}
local sign_touch={}
local sign_touch_began={}
local sign_touch_ended={}

-- CREATE the display object
sign = display.newText( "Say \"Hi\"", 160, 240, native.systemFont, 120) 
sign:setTextColor( 0, 0, 0 )

--Start declaring the handler event
function sign_touch ( event )
	if "began" == event.phase then 
		sign_touch_began ( event )
	elseif "ended" == event.phase then 
		sign_touch_ended ( event )
end
end
--END declaring the handler event

--Start declaring the onBegan event
function sign_touch_began ( event )
	-- TODO: write your touch handling code here for began
	print ( "touch began - sign" )
end
--End declaring the onBegan event

--Start declaring the onEnded event
function sign_touch_ended ( event )
	-- TODO: write your touch handling code here for ended
	print ( "touch ended - sign" )
end
--End declaring the onEnded event

--Start declaring the event listener
sign:addEventListener ( "touch", sign_touch )
--end declaring the event listener
