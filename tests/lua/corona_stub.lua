-- A stand-in for the parts of the Corona SDK that generated snippets use. It records what
-- the snippet creates and lets a test script fire the events Corona would fire.
corona = { created = {}, transitions = {}, alerts = {} }

-- Corona's listener rule: a function is called with the event; a table has its method
-- named after the event called. A table without that method is a fault in the snippet.
function corona.notify(listener, name, event)
    if type(listener) == "function" then
        return listener(event)
    end
    assert(type(listener) == "table", "listener for " .. name .. " is a " .. type(listener))
    assert(type(listener[name]) == "function", "listener table has no method " .. name)
    return listener[name](listener, event)
end

local DisplayObject = {}
DisplayObject.__index = DisplayObject

function DisplayObject:setReferencePoint(point)
    assert(point ~= nil, "unknown reference point")
    self.referencePoint = point
end

local function colour(r, g, b)
    for _, c in ipairs { r, g, b } do
        assert(type(c) == "number" and c >= 0 and c <= 255, "colour component out of range")
    end
    return { r, g, b }
end

function DisplayObject:setFillColor(r, g, b) self.fill = colour(r, g, b) end
function DisplayObject:setTextColor(r, g, b) self.textColor = colour(r, g, b) end

function DisplayObject:addEventListener(name, listener)
    assert(type(name) == "string" and listener ~= nil, "addEventListener needs a name and a listener")
    self.listeners[name] = self.listeners[name] or {}
    table.insert(self.listeners[name], listener)
end

-- Argument types after the optional parent group: s a string, n a number.
local signatures = { Image = "s", ImageRect = "snn", Rect = "nnnn", RoundedRect = "nnnnn",
                     Circle = "nnn", Line = "nnnn", Text = "snnsn" }
local typeLetter = { string = "s", number = "n" }

display = {}
for kind, signature in pairs(signatures) do
    display["new" .. kind] = function(...)
        local args, parent = { ... }, nil
        if type(args[1]) == "table" then
            parent = table.remove(args, 1)
        end
        local got = ""
        for i = 1, select("#", ...) - (parent and 1 or 0) do
            got = got .. (typeLetter[type(args[i])] or "?")
        end
        assert(got == signature, "display.new" .. kind .. " takes " .. signature .. ", got " .. got)
        local object = setmetatable({ kind = kind, args = args, parent = parent, listeners = {} }, DisplayObject)
        table.insert(corona.created, object)
        return object
    end
end
function display.newGroup() return { kind = "Group" } end
for _, point in ipairs { "TopLeft", "TopCenter", "TopRight", "CenterLeft", "Center", "CenterRight",
                         "BottomLeft", "BottomCenter", "BottomRight" } do
    display[point .. "ReferencePoint"] = point
end

function corona.touch(object, phase)
    local event = { name = "touch", phase = phase, target = object }
    for _, listener in ipairs(object.listeners.touch or {}) do
        corona.notify(listener, "touch", event)
    end
end

transition = {}
local function record(direction, target, params)
    assert(type(params) == "table", "transition parameters must be a table")
    table.insert(corona.transitions, { direction = direction, target = target, params = params })
end
function transition.to(target, params) record("to", target, params) end
function transition.from(target, params) record("from", target, params) end

-- name is "onStart" or "onComplete"; Corona passes the transition's target.
function corona.fireTransition(index, name)
    local t = assert(corona.transitions[index], "no such transition")
    if t.params[name] ~= nil then
        corona.notify(t.params[name], name, t.target)
    end
end

native = { systemFont = "native.systemFont" }
function native.showAlert(title, message, buttons, listener)
    assert(type(title) == "string" and type(message) == "string", "title and message must be strings")
    assert(type(buttons) == "table", "buttons must be a table")
    table.insert(corona.alerts, { title = title, message = message, buttons = buttons, listener = listener })
end

-- Presses button n of the latest alert.
function corona.clickAlert(n)
    local alert = assert(corona.alerts[#corona.alerts], "no alert shown")
    assert(n >= 1 and n <= #alert.buttons, "the alert has no button " .. n)
    corona.notify(alert.listener, "completion", { name = "completion", action = "clicked", index = n })
end
