local rope = display.newLine( 0, 0, 30, 40 )
rope:setStrokeColor( 32/255, 64/255, 128/255 )
rope.strokeWidth = 4
