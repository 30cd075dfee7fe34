-- START the display object Declaration
local ball={}
local ball_touch={}

-- CREATE the display object
ball = display.newCircle( (display.contentWidth - 100) / 2, display.contentCenterY, 20) 
ball:setFillColor( 255, 0, 0 )
ball.strokeWidth = 2
ball:setStrokeColor( 255, 128, 0 )

--Start declaring the handler event
function ball_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
ball:addEventListener ( "touch", ball_touch )
--end declaring the event listener
