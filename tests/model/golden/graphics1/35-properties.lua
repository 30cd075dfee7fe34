-- START the display object Declaration
local box={}
local box_touch={}

-- CREATE the display object
box = display.newRect( 10, 20, 100, 50) 
box:setFillColor( 0, 0, 0 )
box:setReferencePoint( display.TopLeftReferencePoint )
box.alpha = 0.5
box.rotation = 45
box.xScale = 2
box.yScale = 0.5
box.strokeWidth = 3
box:setStrokeColor( 0, 0, 0 )

--Start declaring the handler event
function box_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
box:addEventListener ( "touch", box_touch )
--end declaring the event listener
