local v = display.newRect( -5, 7, 30, 40 )
v.anchorX = 0
v.anchorY = 0
v:setFillColor( 32/255, 64/255, 128/255 )
