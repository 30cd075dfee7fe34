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

	transition.from ( ball, { time=1500, x=change_this, y=change_this, alpha=0.5, onStart=ballStart, onComplete=ballDone } ) 

--Code snippet for TransitionObject ENDED
