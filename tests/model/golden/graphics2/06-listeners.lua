local function ballStart( target )
	print( "transition started", target )
end

local function ballDone( target )
	print( "transition completed", target )
end

transition.from( ball, {
	time = 1500,
	x = change_this,
	y = change_this,
	alpha = 0.5,
	onStart = ballStart,
	onComplete = ballDone,
} )
