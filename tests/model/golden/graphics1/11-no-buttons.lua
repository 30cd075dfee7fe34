--START of AlertWindow
local onMy_untitled={}

--START of Handling Function for AlertWindow
function onMy_untitled:completion ( event ) 
	if "clicked" == event.action then 
		local i = event.index
	end
end
--END of Handling Function for AlertWindow

--START of Showing AlertWindow
local untitled = native.showAlert ( "Say \"Hi\"\n\"again\"", "Alert Dialog message", { }
, onMy_untitled )
--END of Showing AlertWindow

--END of AlertWindow
