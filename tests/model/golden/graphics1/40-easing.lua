--Code snippet for TransitionObject STARTED
	transition.to ( box, { time=500, x=display.contentCenterX, transition=easing.outQuad } ) 

--Code snippet for TransitionObject ENDED
