local v = display.newImageRect( "a \"b\".png", 30, 40 )
v.anchorX = 0
v.anchorY = 0
v.x = -5
v.y = 7
