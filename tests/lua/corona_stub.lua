-- A stand-in for the parts of the Corona SDK that generated snippets use: it records what a
-- snippet creates and lets a test fire the events Corona would fire. coronaGraphics picks the
-- engine: 1 for Corona's first graphics API (reference points, colours 0..255, shapes placed by
-- their top-left corner), 2 for Graphics 2.0 (anchors, colours 0..1, placed by the anchor).
local graphics = coronaGraphics or 1
corona = { created = {}, transitions = {}, alerts = {}, graphics = graphics }

-- A misuse of the engine stops the snippet; the message names no line of this file.
local function check(ok, message) return ok or error(message, 0) end

-- Corona takes a function, or a table that already has a method named after the event, when
-- a listener is handed over; a table's method must exist by then.
local function listener(value, name)
    check(value == nil or type(value) == "function" or (type(value) == "table" and type(value[name]) == "function"),
           name .. " needs a listener")
    return value
end
function corona.notify(value, name, event)
    if type(value) == "function" then return value(event) end
    return value[name](value, event)
end

-- Stand-in sizes of what the engine would measure: every picture is this big, and a text's
-- glyphs are half as wide as its font size.
corona.imageWidth, corona.imageHeight = 75, 45
local function textWidth(text, size) return #tostring(text) * size / 2 end

-- Each object keeps its position point (x, y), the fractions of its size where that point
-- lies (ax, ay: the reference point under 1, the anchors under 2) and its size. A line's
-- points are absolute under both APIs, so it has no fractions.
local referencePoints = {
    TopLeft = { 0, 0 }, TopCenter = { 0.5, 0 }, TopRight = { 1, 0 },
    CenterLeft = { 0, 0.5 }, Center = { 0.5, 0.5 }, CenterRight = { 1, 0.5 },
    BottomLeft = { 0, 1 }, BottomCenter = { 0.5, 1 }, BottomRight = { 1, 1 },
}
local defaults = { anchorX = 0.5, anchorY = 0.5 }

-- The engine keeps colours in bytes. Under 1 it casts each whole number to a byte; under 2
-- it clamps each component to 0..1 and truncates it times 255 in single precision.
local function toSingle(v)
    if v == 0 then return 0 end
    local m, e = math.frexp(v)
    return math.ldexp(math.floor(m * 2 ^ 24 + 0.5) / 2 ^ 24, e)
end
local function toByte(c)
    check(type(c) == "number", "colour components must be numbers")
    if graphics == 1 then return math.floor(c) % 256 end
    return math.floor(toSingle(toSingle(math.max(0, math.min(1, c))) * 255))
end

local Methods = {}
function Methods:setReferencePoint(point)
    local fractions = check(referencePoints[point], "unknown reference point")
    local s = rawget(self, "_")
    if s.kind ~= "Line" then
        -- The object stays where it is; only the point that x, y name moves.
        s.x = s.x + (fractions[1] - s.ax) * s.w
        s.y = s.y + (fractions[2] - s.ay) * s.h
        s.ax, s.ay = fractions[1], fractions[2]
    end
end
function Methods:setFillColor(r, g, b) rawget(self, "_").colour = { toByte(r), toByte(g), toByte(b) } end
Methods.setStrokeColor, Methods.setTextColor = Methods.setFillColor, Methods.setFillColor
function Methods:addEventListener(name, value) rawget(self, "_").listeners[name] = listener(value, name) end

-- Graphics 2.0 has no reference points, colours texts with setFillColor and lines only with
-- setStrokeColor. Under 1 a line takes setFillColor as the first output writes it.
local function methodsFor(kind)
    local set = {}
    for name, method in pairs(Methods) do set[name] = method end
    if graphics == 2 then set.setReferencePoint, set.setTextColor = nil, nil end
    if graphics == 2 and kind == "Line" then set.setFillColor = nil end
    return set
end

local DisplayObject = {}
function DisplayObject.__tostring(object) return rawget(object, "_").kind end
function DisplayObject.__index(object, key)
    local s = rawget(object, "_")
    if key == "x" or key == "y" then return s[key] end
    if key == "width" or key == "height" then return s[key == "width" and "w" or "h"] end
    if graphics == 2 and (key == "anchorX" or key == "anchorY") then return s[key == "anchorX" and "ax" or "ay"] end
    return s.methods[key]
end
function DisplayObject.__newindex(object, key, value)
    local s = rawget(object, "_")
    if key == "x" or key == "y" then
        s[key] = check(type(value) == "number", key .. " must be a number") and value
    elseif graphics == 2 and (key == "anchorX" or key == "anchorY") and s.kind ~= "Line" then
        -- The position point stays; the object moves around it.
        s[key == "anchorX" and "ax" or "ay"] = value
    else
        rawset(object, key, value)
    end
end

-- Creates an object w by h. Under 1 its top-left corner is at x, y when placedByCorner, its
-- centre otherwise; under 2 its position point, with the default anchors, is at x, y.
local function newObject(kind, x, y, w, h, placedByCorner)
    check(type(x) == "number" and type(y) == "number" and type(w) == "number" and type(h) == "number",
           "display.new" .. kind .. ": position and size must be numbers")
    -- The first API's default reference point is the centre, wherever the object was placed.
    local s = { kind = kind, x = x, y = y, w = w, h = h, listeners = {}, methods = methodsFor(kind),
                ax = graphics == 1 and 0.5 or defaults.anchorX, ay = graphics == 1 and 0.5 or defaults.anchorY }
    if placedByCorner then s.x, s.y = x + w / 2, y + h / 2 end
    local object = setmetatable({ _ = s }, DisplayObject)
    table.insert(corona.created, object)
    return object
end

-- The parent group, when the first argument is one, is set aside.
local function withoutParent(first, ...)
    if type(first) == "table" and first.kind == "Group" then return ... end
    return first, ...
end

local topLeftPlacing = graphics == 1

display = {}
function display.newGroup()
    return setmetatable({ kind = "Group" }, { __tostring = function() return "Group" end })
end
function display.setDefault(key, value)
    if graphics == 2 and defaults[key] ~= nil then defaults[key] = value end
end
function display.newImage(...)
    local file, x, y = withoutParent(...)
    check(type(file) == "string", "display.newImage expects a file name")
    return newObject("Image", x or 0, y or 0, corona.imageWidth, corona.imageHeight, topLeftPlacing)
end
function display.newImageRect(...)
    local file, w, h = withoutParent(...)
    check(type(file) == "string", "display.newImageRect expects a file name")
    -- Both APIs centre it on 0, 0 (under 2 with the default anchors).
    return newObject("ImageRect", 0, 0, w, h, false)
end
function display.newRect(...)
    local x, y, w, h = withoutParent(...)
    return newObject("Rect", x, y, w, h, topLeftPlacing)
end
function display.newRoundedRect(...)
    local x, y, w, h, radius = withoutParent(...)
    check(type(radius) == "number", "display.newRoundedRect expects a corner radius")
    return newObject("RoundedRect", x, y, w, h, topLeftPlacing)
end
function display.newCircle(...)
    local x, y, radius = withoutParent(...)
    check(type(radius) == "number", "display.newCircle expects a radius")
    return newObject("Circle", x, y, 2 * radius, 2 * radius, false)
end
function display.newText(...)
    local text, x, y, font, size = withoutParent(...)
    check(type(text) == "string", "display.newText expects a text")
    check(font ~= nil and type(size) == "number", "display.newText expects a font and a size")
    return newObject("Text", x, y, textWidth(text, size), size, topLeftPlacing)
end
function display.newLine(...)
    local x1, y1, x2, y2 = withoutParent(...)
    check(type(x2) == "number" and type(y2) == "number", "display.newLine expects two points")
    local object = newObject("Line", x1, y1, 0, 0, false)
    rawget(object, "_").points = { 0, 0, x2 - x1, y2 - y1 }
    return object
end
for name in pairs(referencePoints) do display[name .. "ReferencePoint"] = name end

-- The box an object covers on the content area, and its colour in bytes ("none" when unset).
function corona.bounds(object)
    local s = rawget(object, "_")
    if s.kind == "Line" then
        local p = s.points
        return s.x + math.min(p[1], p[3]), s.y + math.min(p[2], p[4]),
               s.x + math.max(p[1], p[3]), s.y + math.max(p[2], p[4])
    end
    local left, top = s.x - s.ax * s.w, s.y - s.ay * s.h
    return left, top, left + s.w, top + s.h
end

function corona.report()
    for _, object in ipairs(corona.created) do
        local s = rawget(object, "_")
        local colour = s.colour and table.concat(s.colour, " ") or "none"
        local left, top, right, bottom = corona.bounds(object)
        print(string.format("%s %.3f %.3f %.3f %.3f %s", s.kind, left, top, right, bottom, colour))
    end
end

-- Physics prints each start and each body with what addBody was given; a body before the
-- engine started is an error, as in the engine.
physics = { started = false }
package.loaded.physics = physics
function physics.start() physics.started = true print("physics started") end
function physics.pause() print("physics paused") end
function physics.addBody(object, bodyType, params)
    check(physics.started, "physics.addBody before physics.start")
    check(type(params) == "table", "physics.addBody expects a body table")
    print(string.format("body %s %s density %s friction %s bounce %s radius %s sensor %s",
        rawget(object, "_").kind, bodyType, tostring(params.density), tostring(params.friction),
        tostring(params.bounce), tostring(params.radius), tostring(params.isSensor == true)))
end

transition = {}
local function newTransition(target, params)
    check(type(params) == "table", "transition parameters must be a table")
    listener(params.onStart, "onStart")
    listener(params.onComplete, "onComplete")
    table.insert(corona.transitions, { target, params })
end
transition.to, transition.from = newTransition, newTransition

native = { systemFont = "native.systemFont" }
function native.showAlert(title, message, buttons, onClick)
    check(type(title) == "string" and type(message) == "string", "title and message must be strings")
    check(type(buttons) == "table", "buttons must be a table")
    table.insert(corona.alerts, { buttons = buttons, listener = listener(onClick, "completion") })
end

-- Fires every event Corona could fire on what the snippet made, in order: each touch phase,
-- each transition's start and completion, a click on each alert button.
function corona.fireAll()
    for _, object in ipairs(corona.created) do
        local touch = rawget(object, "_").listeners.touch
        for _, phase in ipairs(touch and { "began", "moved", "cancelled", "ended" } or {}) do
            corona.notify(touch, "touch", { name = "touch", phase = phase, target = object, x = 12, y = 34 })
        end
    end
    for _, t in ipairs(corona.transitions) do
        for _, name in ipairs { "onStart", "onComplete" } do
            if t[2][name] then corona.notify(t[2][name], name, t[1]) end
        end
    end
    for _, alert in ipairs(corona.alerts) do
        for n = 1, alert.listener and #alert.buttons or 0 do
            corona.notify(alert.listener, "completion", { name = "completion", action = "clicked", index = n })
        end
    end
end

-- A tap at x, y as the engine delivers it: each phase goes to the objects under the point,
-- topmost first, and stops at the first listener that returns true.
function corona.tap(x, y)
    for _, phase in ipairs { "began", "ended" } do
        for i = #corona.created, 1, -1 do
            local object = corona.created[i]
            local touch = rawget(object, "_").listeners.touch
            local left, top, right, bottom = corona.bounds(object)
            if touch and x >= left and x <= right and y >= top and y <= bottom
                and corona.notify(touch, "touch", { name = "touch", phase = phase, target = object, x = x, y = y }) then
                break
            end
        end
    end
end
