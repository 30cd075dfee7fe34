-- START the display object Declaration
local score={}
local score_touch={}

-- CREATE the display object
score = display.newImageRect( "score.png", 100, 50) 
score:setReferencePoint( display.TopLeftReferencePoint )
score.x = display.screenOriginX + 16
score.y = display.safeScreenOriginY + 10
score.alpha = 0.25

--Start declaring the handler event
function score_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
score:addEventListener ( "touch", score_touch )
--end declaring the event listener
