-- START the display object Declaration
local label={}
local label_touch={}

-- CREATE the display object
label = display.newText( "Hi", -display.screenOriginX, 5, native.systemFont, 24) 
label:setTextColor( 0, 0, 0 )
label:setReferencePoint( display.TopLeftReferencePoint )
label.rotation = -30
label.xScale = 1.5

--Start declaring the handler event
function label_touch ( event )
end
--END declaring the handler event

--Start declaring the event listener
label:addEventListener ( "touch", label_touch )
--end declaring the event listener
