transition.to( t, {
	time = 10,
	delay = 250,
	x = 9,
	y = ,
} )
