-- Composer and display groups on top of corona_stub.lua: groups keep their children and
-- place, objects their parent, and corona.runScene plays a scene's life from create to destroy.
local Group = {}
Group.__index = Group
Group.__tostring = function() return "Group" end
function Group:insert(child)
    if getmetatable(child) == Group then child.parent = self else rawget(child, "_").parent = self end
end
function Group:addEventListener(name, value) self.listeners[name] = value end
function display.newGroup()
    return setmetatable({ kind = "Group", x = 0, y = 0, listeners = {} }, Group)
end
for _, name in ipairs { "Image", "ImageRect", "Rect", "RoundedRect", "Circle", "Text", "Line" } do
    local create = display["new" .. name]
    display["new" .. name] = function(first, ...)
        local object = create(first, ...)
        if getmetatable(first) == Group then first:insert(object) end
        return object
    end
end

local view = display.newGroup()
local phase = "loaded"
local started = transition.to
transition.to = function(target, params)
    if phase ~= "show did" then error("a transition started at " .. phase, 0) end
    started(target, params)
end
transition.from = transition.to
transition.cancel = function(tag)
    if phase ~= "hide will" or type(tag) ~= "string" then error("transition.cancel at " .. phase, 0) end
    for _, t in ipairs(corona.transitions) do
        if t[2].tag == tag then t.cancelled = true end
    end
end
local shown = native.showAlert
native.showAlert = function(...) shown(...) return #corona.alerts end
native.cancelAlert = function(handle) corona.alerts[handle].cancelled = true end

package.preload.composer = function()
    return { newScene = function()
        local scene = { view = view, listeners = {} }
        function scene:addEventListener(name, value) self.listeners[name] = value end
        return scene
    end }
end

-- Where an object is on the screen, or an error when it is not in the view.
local function placed(object)
    local s = rawget(object, "_")
    local left, top, right, bottom = corona.bounds(object)
    local group = s.parent
    while group ~= view do
        if not group then error(s.kind .. " is not in the scene's view", 0) end
        left, top, right, bottom = left + group.x, top + group.y, right + group.x, bottom + group.y
        group = group.parent
    end
    return left, top, right, bottom
end

-- Loads the scene's text and runs it through its life; prints each object's place, the
-- transitions and how many alerts are still up.
function corona.runScene(text)
    local scene = assert(loadstring(text, "scene"))()
    for _, step in ipairs { { "create" }, { "show", "will" }, { "show", "did" }, { "hide", "will" },
                            { "hide", "did" }, { "destroy" } } do
        if step[1] == "hide" and step[2] == "will" then
            print("alerts shown", #corona.alerts)
            for _, f in pairs(corona.sceneAlerts or {}) do f() end
        end
        phase = step[1] .. (step[2] and " " .. step[2] or "")
        local listener = scene.listeners[step[1]]
        listener[step[1]](listener, { name = step[1], phase = step[2] })
    end
    for _, object in ipairs(corona.created) do
        print(string.format("%s %.3f %.3f %.3f %.3f", rawget(object, "_").kind, placed(object)))
    end
    for _, t in ipairs(corona.transitions) do
        print("transition", tostring(t[1]), t.cancelled and "cancelled" or "running")
    end
end
