local score = display.newImageRect( "score.png", 100, 50 )
score.anchorX = 0
score.anchorY = 0
score.x = display.screenOriginX + 16
score.y = display.safeScreenOriginY + 10
score.alpha = 0.25
