local v = display.newLine( -5, 7, 30, 40 )
v:setStrokeColor( 32/255, 64/255, 128/255 )
