local function onMy_untitled( event )
	if event.action == "clicked" then
		local i = event.index
		if i == 1 then -- btnOK
			print( "Clicked btnOK" )
		elseif i == 2 then -- btnCancel
			print( "Clicked btnCancel" )
		end
	end
end

native.showAlert( "Alert Dialog Title", "Alert Dialog message", { "OK", "Cancel" }, onMy_untitled )
