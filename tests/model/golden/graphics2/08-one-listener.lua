local function ballEvent( target )
	print( "transition started or completed", target )
end

transition.from( ball, {
	time = 1500,
	delay = -3,
	x = 300,
	onStart = ballEvent,
	onComplete = ballEvent,
} )
