#pragma once

#include "GraphicsApi.h"

#include <QString>
#include <QStringList>

#include <optional>

class ModelObject;
class clsAlert;
class clsDisplay;
class clsTransition;

// Where a snippet goes; writers that place objects in a larger file (a scene) say so here.
struct WriteContext
{
    bool scene = false;
    // The scene's name: the tag of its transitions.
    QString sceneName;
    // The text around already loads and starts physics (Copy All, an export).
    bool physicsStarted = false;
};

// One graphics target: how each kind of object is written for it, and what only it warns of.
// A new target is one more class and one more row in LuaTargets.
class LuaTarget
{
public:
    virtual ~LuaTarget() = default;

    virtual GraphicsApi api() const = 0;
    // The number the settings store for it.
    int key() const { return int(api()); }
    // Its entry in the target drop-down and the View menu.
    virtual QString caption() const = 0;
    // The graphicsCompatibility value in a game's config.lua that asks for it; 0 for the
    // target of a config.lua that sets none.
    virtual int graphicsCompatibility() const = 0;

    // The object's Lua, CR LF after every line; nothing when it cannot be produced.
    std::optional<QString> write(const ModelObject& object, const WriteContext& context = {}) const;
    // Faults of an object that only this target's text has.
    virtual QStringList warnings(const ModelObject& object) const;

protected:
    virtual std::optional<QString> display(const clsDisplay& object, const WriteContext& context) const = 0;
    virtual QString transition(const clsTransition& object, const WriteContext& context) const = 0;
    virtual QString alert(const clsAlert& object, const WriteContext& context) const = 0;
};
