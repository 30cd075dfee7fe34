local function ballStart( target )
	print( "transition started", target )
end

local function ballDone( target )
	print( "transition completed", target )
end

transition.to( ball, {
	time = 1500,
	delay = 250,
	x = 300,
	alpha = 0.5,
	onStart = ballStart,
	onComplete = ballDone,
} )
