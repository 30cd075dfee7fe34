local v = display.newImageRect( 30, 40 )
v.anchorX = 1
v.anchorY = 0
v.x = -5
v.y = 7
