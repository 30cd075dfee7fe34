-- START the display object Declaration
local pic={}
local pic_touch={}
local pic_touch_moved={}

-- CREATE the display object
pic = display.newImageRect( "art\dir\\", 200, 120) 
pic.x = 160
pic.y = 240

--Start declaring the handler event
function pic_touch ( event )
	if "moved" == event.phase then 
		pic_touch_moved ( event )
end
end
--END declaring the handler event

--Start declaring the onMoved event
function pic_touch_moved ( event )
	-- TODO: write your touch handling code here for moved
	print ( "touch moved - pic" )
end
--End declaring the onMoved event

--Start declaring the event listener
pic:addEventListener ( "touch", pic_touch )
--end declaring the event listener
