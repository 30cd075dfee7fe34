local v = display.newImageRect( 30, 40 )
v.anchorX = 0.5
v.anchorY = 1
v.x = -5
v.y = 7
