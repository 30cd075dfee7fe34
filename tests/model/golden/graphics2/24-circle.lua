local v = display.newCircle( -5, 7, 30 )
v.anchorX = 0.5
v.anchorY = 0.5
v:setFillColor( 32/255, 64/255, 128/255 )
