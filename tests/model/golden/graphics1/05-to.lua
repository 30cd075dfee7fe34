--Code snippet for TransitionObject STARTED
	transition.to ( ball, { time=1500, x=change_this, y=change_this, alpha=0.5 } ) 

--Code snippet for TransitionObject ENDED
