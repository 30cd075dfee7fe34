local composer = require( "composer" )

local scene = composer.newScene()

local physics = require( "physics" )

-- The scene's objects that scene:show moves, by name.
local objects = {}

local quit -- the alert while shown, for scene:hide

local function onMy_quit( event )
	if event.action == "clicked" then
		local i = event.index
		if i == 1 then -- yes
			print( "Clicked yes" )
		elseif i == 2 then -- no
			print( "Clicked no" )
		end
	end
end

-- Call show_quit() from a listener to show this alert.
local function show_quit() -- luacheck: ignore 211/show_quit
	quit = native.showAlert( "Quit?", "Leave the level?", { "Yes", "No" }, onMy_quit )
end

function scene:create()
	local sceneGroup = self.view
	physics.start()
	physics.pause()

	local hud = display.newGroup()
	hud.x = 10
	hud.y = 20
	sceneGroup:insert( hud )

	local panel = display.newGroup()
	panel.x = 5
	panel.y = -5
	hud:insert( panel )

	local function panel_touch( event )
		if event.phase == "began" then
			-- TODO: write your touch handling code here for began
			print( "touch began - panel", event.x, event.y )
		end
		return true
	end
	panel:addEventListener( "touch", panel_touch )
	objects.panel = panel

	local ball = display.newCircle( panel, 30, 40, 8 )
	ball.anchorX = 0.5
	ball.anchorY = 0.5
	ball:setFillColor( 1, 0, 0 )

	local function ball_touch( event )
		if event.phase == "began" then
			-- TODO: write your touch handling code here for began
			print( "touch began - ball", event.x, event.y )
		end
		return true
	end
	ball:addEventListener( "touch", ball_touch )
	objects.ball = ball

	local bar = display.newRect( hud, 0, 0, 50, 10 )
	bar.anchorX = 0
	bar.anchorY = 0
	bar:setFillColor( 0, 1, 0 )

	local stray = display.newRect( sceneGroup, 1, 2, 3, 4 )
	stray.anchorX = 0
	stray.anchorY = 0
	stray:setFillColor( 0, 0, 0 )
	physics.addBody( stray, "dynamic", { density = 1, friction = 0.3, bounce = 0.2 } )

	local title = display.newText( sceneGroup, "Level 1", 100, 10, native.systemFont, 24 )
	title.anchorX = 0
	title.anchorY = 0
	title:setFillColor( 1, 1, 1 )
	physics.addBody( title, "static", { density = 2, friction = 0.5, bounce = 0, radius = math.min( title.width, title.height ) / 2, isSensor = true } )

	local a = display.newGroup()
	a.x = 100
	a.y = 100
	sceneGroup:insert( a )

	local b = display.newGroup()
	b.x = 7
	b.y = 7
	sceneGroup:insert( b )

	local inA = display.newRect( sceneGroup, 1, 1, 2, 2 )
	inA.anchorX = 0
	inA.anchorY = 0
	inA:setFillColor( 0, 0, 0 )
end

function scene:show( event ) -- luacheck: ignore 212/self
	if event.phase == "did" then
		physics.start()
		local function ballDone( target )
			print( "transition completed", target )
		end

		transition.to( objects.ball, {
			time = 500,
			delay = 100,
			tag = "level1",
			x = 200,
			onComplete = ballDone,
		} )

		transition.from( objects.panel, {
			time = 1000,
			tag = "level1",
			alpha = 0,
		} )
	end
end

function scene:hide( event ) -- luacheck: ignore 212/self
	if event.phase == "will" then
		transition.cancel( "level1" )
		if quit then
			native.cancelAlert( quit )
			quit = nil
		end
	elseif event.phase == "did" then
		physics.pause()
	end
end

function scene:destroy() -- luacheck: ignore 212/self
end

scene:addEventListener( "create", scene )
scene:addEventListener( "show", scene )
scene:addEventListener( "hide", scene )
scene:addEventListener( "destroy", scene )

return scene
