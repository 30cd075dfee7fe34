-- START the display object Declaration
local hero={}
local hero_touch={}
local hero_touch_began={}
local hero_touch_moved={}
local hero_touch_cancelled={}
local hero_touch_ended={}

-- CREATE the display object
hero = display.newImage( "hero.png") 
hero:setReferencePoint( display.CenterReferencePoint )
hero.x = 160
hero.y = 240

--Start declaring the handler event
function hero_touch ( event )
	if "began" == event.phase then 
		hero_touch_began ( event )
	elseif "moved" == event.phase then 
		hero_touch_moved ( event )
	elseif "cancelled" == event.phase then 
		hero_touch_cancelled ( event )
	elseif "ended" == event.phase then 
		hero_touch_ended ( event )
end
end
--END declaring the handler event

--Start declaring the onBegan event
function hero_touch_began ( event )
	-- TODO: write your touch handling code here for began
	print ( "touch began - hero" )
end
--End declaring the onBegan event

--Start declaring the onMoved event
function hero_touch_moved ( event )
	-- TODO: write your touch handling code here for moved
	print ( "touch moved - hero" )
end
--End declaring the onMoved event

--Start declaring the onCancelled event
function hero_touch_cancelled ( event )
	-- TODO: write your touch handling code here for cancelled
	print ( "touch cancelled - hero" )
end
--End declaring the onCancelled event

--Start declaring the onEnded event
function hero_touch_ended ( event )
	-- TODO: write your touch handling code here for ended
	print ( "touch ended - hero" )
end
--End declaring the onEnded event

--Start declaring the event listener
hero:addEventListener ( "touch", hero_touch )
--end declaring the event listener
