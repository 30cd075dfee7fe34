--Code snippet for TransitionObject STARTED
--START of the onStart routine
	local ballStart = {}
	function ballStart:onStart ( target )
		print ("transition started")
	end
--END of the onStart routine

--START of the onComplete routine
	local ballDone = {}
	function ballDone:onComplete ( target )
		print ("transition completed")
	end
--END of the onCompleted routine

	transition.to ( ball, { time=1500, delay=250, x=300, alpha=0.5, onStart=ballStart, onComplete=ballDone } ) 

--Code snippet for TransitionObject ENDED
