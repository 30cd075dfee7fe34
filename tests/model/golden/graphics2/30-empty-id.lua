local function onMy_a( event )
	if event.action == "clicked" then
		local i = event.index
		if i == 1 then -- same
			print( "Clicked same" )
		elseif i == 2 then -- same
			print( "Clicked same" )
		elseif i == 3 then
			print( "Clicked " )
		end
	end
end

native.showAlert( "T \"1\"", "Alert Dialog message", { "Yes", "No", "Say \"hi\"\n" }, onMy_a )
