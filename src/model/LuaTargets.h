#pragma once

#include "GraphicsApi.h"

#include <QList>

#include <memory>

class LuaTarget;

// The table of graphics targets, in the order the drop-down lists them. Everything that
// offers a choice of target reads it here.
class LuaTargets
{
public:
    static QList<const LuaTarget*> all();
    // Nothing for an API no row has.
    static const LuaTarget* find(GraphicsApi api);
    static const LuaTarget* findKey(int key);
    // The target a game's config.lua asks for with its graphicsCompatibility value.
    static const LuaTarget& forCompatibility(int graphicsCompatibility);

    // Adds a row at the end (a plug-in target, or a test's); the table owns it.
    static void add(std::unique_ptr<LuaTarget> target);
    // Drops a row that add() made.
    static void remove(GraphicsApi api);
};
