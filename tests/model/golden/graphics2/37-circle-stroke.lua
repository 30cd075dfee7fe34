local ball = display.newCircle( (display.contentWidth - 100) / 2, display.contentCenterY, 20 )
ball.anchorX = 0.5
ball.anchorY = 0.5
ball:setFillColor( 1, 0, 0 )
ball.strokeWidth = 2
ball:setStrokeColor( 1, 128/255, 0 )
