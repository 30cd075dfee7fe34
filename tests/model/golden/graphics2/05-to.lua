transition.to( ball, {
	time = 1500,
	x = change_this,
	y = change_this,
	alpha = 0.5,
} )
