--START of AlertWindow
local onMy_a={}

--START of Handling Function for AlertWindow
function onMy_a:completion ( event ) 
	if "clicked" == event.action then 
		local i = event.index
		if  i==1 then --same
			print ( "Clicked same" )
		elseif  i==2 then --same
			print ( "Clicked same" )
		elseif  i==3 then --
			print ( "Clicked " )
		end
	end
end
--END of Handling Function for AlertWindow

--START of Showing AlertWindow
local a = native.showAlert ( "T \"1\"", "Alert Dialog message", { "Yes", "No", "Say \"hi\"\n" }
, onMy_a )
--END of Showing AlertWindow

--END of AlertWindow
