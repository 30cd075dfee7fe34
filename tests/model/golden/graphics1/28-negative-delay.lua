--Code snippet for TransitionObject STARTED
	transition.from ( t, { time=10, delay=-3, x=9, y= } ) 

--Code snippet for TransitionObject ENDED
