local hud = display.newGroup()
hud.x = 10
hud.y = -20
