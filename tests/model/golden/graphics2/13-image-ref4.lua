local v = display.newImage()
v.anchorX = 0.5
v.anchorY = 0.5
v.x = -5
v.y = 7
