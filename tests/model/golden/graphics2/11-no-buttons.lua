local function onMy_untitled( event )
	if event.action == "clicked" then
		print( "Clicked button", event.index )
	end
end

native.showAlert( "Say \"Hi\"\n\"again\"", "Alert Dialog message", {}, onMy_untitled )
