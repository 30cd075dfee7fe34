--Code snippet for TransitionObject STARTED
--START of the onStart routine
	local  ballEvent = {}
	function  ballEvent:onStart ( target )
		print ("transition started")
	end
--END of the onStart routine

--START of the onComplete routine
	local ballEvent  = {}
	function ballEvent :onComplete ( target )
		print ("transition completed")
	end
--END of the onCompleted routine

	transition.from ( ball, { time=1500, delay=-3, x=300, onStart= ballEvent, onComplete=ballEvent  } ) 

--Code snippet for TransitionObject ENDED
