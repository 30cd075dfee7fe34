-- A stand-in for the parts of the Corona SDK that generated snippets use. It records what
-- the snippet creates and lets a test script fire the events Corona would fire.
corona = { created = {}, transitions = {}, alerts = {} }

-- Corona's listener rule: a function is called with the event; a table has its method
-- named after the event called. A table without that method is a fault in the snippet.
function corona.notify(listener, name, event)
    if type(listener) == "function" then
        return listener(event)
    end
    assert(type(listener) == "table" and type(listener[name]) == "function", "no listener method " .. name)
    return listener[name](listener, event)
end

local DisplayObject = {}
DisplayObject.__index = DisplayObject
function DisplayObject:setReferencePoint(point) self.referencePoint = assert(point, "unknown reference point") end
function DisplayObject:setFillColor(r, g, b) self.fill = { r, g, b } end
function DisplayObject:setTextColor(r, g, b) self.textColor = { r, g, b } end
function DisplayObject:addEventListener(name, listener)
    assert(type(name) == "string" and listener ~= nil, "addEventListener needs a name and a listener")
    self.listeners[name] = listener
end

display = {}
for _, kind in ipairs { "Image", "ImageRect", "Rect", "RoundedRect", "Circle", "Line", "Text" } do
    display["new" .. kind] = function(...)
        local object = setmetatable({ kind = kind, args = { ... }, listeners = {} }, DisplayObject)
        table.insert(corona.created, object)
        return object
    end
end
function display.newGroup() return { kind = "Group" } end
for _, point in ipairs { "TopLeft", "TopCenter", "TopRight", "CenterLeft", "Center", "CenterRight",
                         "BottomLeft", "BottomCenter", "BottomRight" } do
    display[point .. "ReferencePoint"] = point
end

transition = {}
function transition.to(target, params) table.insert(corona.transitions, { "to", target, params }) end
function transition.from(target, params) table.insert(corona.transitions, { "from", target, params }) end

native = { systemFont = "native.systemFont" }
function native.showAlert(title, message, buttons, listener)
    assert(type(title) == "string" and type(message) == "string", "title and message must be strings")
    assert(type(buttons) == "table", "buttons must be a table")
    table.insert(corona.alerts, { title = title, buttons = buttons, listener = listener })
end

-- Fires every event Corona could fire on what the snippet made, in order: each touch phase,
-- each transition's start and completion, a click on each alert button.
function corona.fireAll()
    for _, object in ipairs(corona.created) do
        for _, phase in ipairs { "began", "moved", "cancelled", "ended" } do
            if object.listeners.touch then
                corona.notify(object.listeners.touch, "touch", { name = "touch", phase = phase, target = object })
            end
        end
    end
    for _, t in ipairs(corona.transitions) do
        assert(type(t[3]) == "table", "transition parameters must be a table")
        for _, name in ipairs { "onStart", "onComplete" } do
            if t[3][name] ~= nil then
                corona.notify(t[3][name], name, t[2])
            end
        end
    end
    for _, alert in ipairs(corona.alerts) do
        for n = 1, #alert.buttons do
            corona.notify(alert.listener, "completion", { name = "completion", action = "clicked", index = n })
        end
    end
end
