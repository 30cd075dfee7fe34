transition.from( t, {
	time = 10,
	delay = -3,
	x = 9,
	y = ,
} )
