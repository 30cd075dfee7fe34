local v = display.newText( g, "Hi", -5, 7, Arial, 40 )
v.anchorX = 0
v.anchorY = 0
v:setFillColor( 32/255, 64/255, 128/255 )
