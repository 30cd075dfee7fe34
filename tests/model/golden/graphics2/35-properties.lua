local box = display.newRect( 10, 20, 100, 50 )
box.anchorX = 0
box.anchorY = 0
box:setFillColor( 0, 0, 0 )
box.alpha = 0.5
box.rotation = 45
box.xScale = 2
box.yScale = 0.5
box.strokeWidth = 3
box:setStrokeColor( 0, 0, 0 )
