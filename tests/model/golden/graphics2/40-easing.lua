transition.to( box, {
	time = 500,
	x = display.contentCenterX,
	transition = easing.outQuad,
} )
