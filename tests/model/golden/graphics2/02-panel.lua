local panel = display.newRoundedRect( menuGroup, 20, 40, 200, 120, 12 )
panel.anchorX = 0
panel.anchorY = 0
panel:setFillColor( 1, 128/255, 0 )
