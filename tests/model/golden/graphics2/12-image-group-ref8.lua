local v = display.newImage( g )
v.anchorX = 1
v.anchorY = 1
v.x = -5
v.y = 7
