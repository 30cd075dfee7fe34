transition.to( ball, {
	time = 1500,
} )
