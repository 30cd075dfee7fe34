--START of AlertWindow
local onMy_untitled={}

--START of Handling Function for AlertWindow
function onMy_untitled:completion ( event ) 
	if "clicked" == event.action then 
		local i = event.index
		if  i==1 then --btnOK
			print ( "Clicked btnOK" )
		elseif  i==2 then --btnCancel
			print ( "Clicked btnCancel" )
		end
	end
end
--END of Handling Function for AlertWindow

--START of Showing AlertWindow
local untitled = native.showAlert ( "Alert Dialog Title", "Alert Dialog message", { "OK", "Cancel" }
, onMy_untitled )
--END of Showing AlertWindow

--END of AlertWindow
