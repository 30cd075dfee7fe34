--Code snippet for TransitionObject STARTED
--START of the onStart routine
	local   = {}
	function  :onStart ( target )
		print ("transition started")
	end
--END of the onStart routine

	transition.to ( t, { time=10, delay=250, x=9, y=, onStart=  } ) 

--Code snippet for TransitionObject ENDED
