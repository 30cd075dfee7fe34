--Code snippet for TransitionObject STARTED
--START of the onStart routine
	local    = {}
	function   :onStart ( target )
		print ("transition started")
	end
--END of the onStart routine

	transition.to ( ball, { time=1500, onStart=   } ) 

--Code snippet for TransitionObject ENDED
