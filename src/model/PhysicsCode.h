#pragma once

#include <QList>
#include <QString>

class LineWriter;
class ModelObject;
class clsDisplay;
struct WriteContext;

// The Lua of physics bodies that every target writes alike (the physics API did not change
// with Graphics 2.0), and where a text that holds bodies loads and starts the engine.
class PhysicsCode
{
public:
    // The lines that load and start the engine; a text writes them once, before its first body.
    static void writeStart(LineWriter& w);
    // The same for one object's snippet: only with a body, and only when the text around
    // (Copy All, an export, a scene) does not start physics itself.
    static void writeStartFor(LineWriter& w, const clsDisplay& object, const WriteContext& context);
    // The physics.addBody line; nothing for an object without a body.
    static void writeBody(LineWriter& w, const clsDisplay& object);
    // The circle's radius as Lua: a number where the editor knows the size, an expression
    // for an image or a text; "" for a box.
    static QString radius(const clsDisplay& object);

    // Whether an object (any of the objects) has a body, so that its text needs physics.
    static bool needed(const ModelObject& object);
    static bool needed(const QList<const ModelObject*>& objects);

    // Where a Composer scene handles physics, as the engine's Composer guide does: loaded at
    // the top, started and paused in scene:create before the first body, running while the
    // scene is shown and paused when it hides.
    enum class ScenePlace
    {
        Top,     // after composer.newScene()
        Create,  // in scene:create, before the first object
        ShowDid, // in scene:show, phase "did"
        HideDid  // in scene:hide, phase "did"
    };
    static void writeScene(LineWriter& w, ScenePlace place, int tabs);
};
