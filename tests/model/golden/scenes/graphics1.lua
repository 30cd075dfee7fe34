local composer = require( "composer" )

local scene = composer.newScene()

local physics = require( "physics" )

-- The scene's objects that scene:show moves, by name.
local objects = {}

local quit -- the alert while shown, for scene:hide

--START of AlertWindow
local onMy_quit={}

--START of Handling Function for AlertWindow
function onMy_quit:completion ( event ) 
	if "clicked" == event.action then 
		local i = event.index
		if  i==1 then --yes
			print ( "Clicked yes" )
		elseif  i==2 then --no
			print ( "Clicked no" )
		end
	end
end
--END of Handling Function for AlertWindow

--START of Showing AlertWindow
--Call show_quit() from a listener to show this alert
local function show_quit ( )
	quit = native.showAlert ( "Quit?", "Leave the level?", { "Yes", "No" }
, onMy_quit )
end
--END of Showing AlertWindow

--END of AlertWindow

function scene:create()
	local sceneGroup = self.view
	physics.start()
	physics.pause()

	-- START the display object Declaration
	local hud={}
	local hud_touch={}

	-- CREATE the display object
	hud = display.newGroup( ) 
	hud.x = 10
	hud.y = 20
	sceneGroup:insert( hud )

	--Start declaring the handler event
	function hud_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	hud:addEventListener ( "touch", hud_touch )
	--end declaring the event listener

	-- START the display object Declaration
	local panel={}
	local panel_touch={}
	local panel_touch_began={}

	-- CREATE the display object
	panel = display.newGroup( ) 
	panel.x = 5
	panel.y = -5
	hud:insert( panel )

	--Start declaring the handler event
	function panel_touch ( event )
		if "began" == event.phase then 
			panel_touch_began ( event )
	end
	end
	--END declaring the handler event

	--Start declaring the onBegan event
	function panel_touch_began ( event )
		-- TODO: write your touch handling code here for began
		print ( "touch began - panel" )
	end
	--End declaring the onBegan event

	--Start declaring the event listener
	panel:addEventListener ( "touch", panel_touch )
	--end declaring the event listener
	objects.panel = panel

	-- START the display object Declaration
	local ball={}
	local ball_touch={}
	local ball_touch_began={}

	-- CREATE the display object
	ball = display.newCircle( panel, 30, 40, 8) 
	ball:setFillColor( 255, 0, 0 )

	--Start declaring the handler event
	function ball_touch ( event )
		if "began" == event.phase then 
			ball_touch_began ( event )
	end
	end
	--END declaring the handler event

	--Start declaring the onBegan event
	function ball_touch_began ( event )
		-- TODO: write your touch handling code here for began
		print ( "touch began - ball" )
	end
	--End declaring the onBegan event

	--Start declaring the event listener
	ball:addEventListener ( "touch", ball_touch )
	--end declaring the event listener
	objects.ball = ball

	-- START the display object Declaration
	local bar={}
	local bar_touch={}

	-- CREATE the display object
	bar = display.newRect( hud, 0, 0, 50, 10) 
	bar:setFillColor( 0, 255, 0 )

	--Start declaring the handler event
	function bar_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	bar:addEventListener ( "touch", bar_touch )
	--end declaring the event listener

	-- START the display object Declaration
	local stray={}
	local stray_touch={}

	-- CREATE the display object
	stray = display.newRect( sceneGroup, 1, 2, 3, 4) 
	stray:setFillColor( 0, 0, 0 )

	--Start declaring the handler event
	function stray_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	stray:addEventListener ( "touch", stray_touch )
	--end declaring the event listener
	physics.addBody( stray, "dynamic", { density = 1, friction = 0.3, bounce = 0.2 } )

	-- START the display object Declaration
	local title={}
	local title_touch={}

	-- CREATE the display object
	title = display.newText( sceneGroup, "Level 1", 100, 10, native.systemFont, 24) 
	title:setTextColor( 255, 255, 255 )

	--Start declaring the handler event
	function title_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	title:addEventListener ( "touch", title_touch )
	--end declaring the event listener
	physics.addBody( title, "static", { density = 2, friction = 0.5, bounce = 0, radius = math.min( title.width, title.height ) / 2, isSensor = true } )

	-- START the display object Declaration
	local a={}
	local a_touch={}

	-- CREATE the display object
	a = display.newGroup( ) 
	a.x = 100
	a.y = 100
	sceneGroup:insert( a )

	--Start declaring the handler event
	function a_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	a:addEventListener ( "touch", a_touch )
	--end declaring the event listener

	-- START the display object Declaration
	local b={}
	local b_touch={}

	-- CREATE the display object
	b = display.newGroup( ) 
	b.x = 7
	b.y = 7
	sceneGroup:insert( b )

	--Start declaring the handler event
	function b_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	b:addEventListener ( "touch", b_touch )
	--end declaring the event listener

	-- START the display object Declaration
	local inA={}
	local inA_touch={}

	-- CREATE the display object
	inA = display.newRect( sceneGroup, 1, 1, 2, 2) 
	inA:setFillColor( 0, 0, 0 )

	--Start declaring the handler event
	function inA_touch ( event )
	end
	--END declaring the handler event

	--Start declaring the event listener
	inA:addEventListener ( "touch", inA_touch )
	--end declaring the event listener
end

function scene:show( event ) -- luacheck: ignore 212/self
	if event.phase == "did" then
		physics.start()
		--Code snippet for TransitionObject STARTED
		--START of the onComplete routine
			local ballDone = {}
			function ballDone:onComplete ( target )
				print ("transition completed")
			end
		--END of the onCompleted routine

			transition.to ( objects.ball, { time=500, delay=100, tag="level1", x=200, onComplete=ballDone } ) 

		--Code snippet for TransitionObject ENDED

		--Code snippet for TransitionObject STARTED
			transition.from ( objects.panel, { time=1000, tag="level1", alpha=0 } ) 

		--Code snippet for TransitionObject ENDED
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
