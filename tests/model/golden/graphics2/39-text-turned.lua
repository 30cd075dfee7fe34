local label = display.newText( "Hi", -display.screenOriginX, 5, native.systemFont, 24 )
label.anchorX = 0
label.anchorY = 0
label:setFillColor( 0, 0, 0 )
label.rotation = -30
label.xScale = 1.5
