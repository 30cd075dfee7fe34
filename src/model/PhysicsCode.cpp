#include "PhysicsCode.h"

#include "clsDisplay.h"
#include "LineWriter.h"
#include "LuaTarget.h"
#include "mdlBrowsePath.h"

#include <algorithm>
#include <cstdlib>

using mdlBrowsePath::QuoteText;

void PhysicsCode::writeStart(LineWriter& w)
{
    w("local physics = require( \"physics\" )");
    w("physics.start()");
    w.blank();
}

void PhysicsCode::writeStartFor(LineWriter& w, const clsDisplay& object, const WriteContext& context)
{
    if (object.hasBody() && !context.scene && !context.physicsStarted)
        writeStart(w);
}

QString PhysicsCode::radius(const clsDisplay& d)
{
    if (d.body().shape != PhysicsBody::Circle)
        return QString();
    switch (d.dObjType()) {
    case clsDisplay::Circle:
        return QString::number(d.sWidth());
    case clsDisplay::ImageRect:
    case clsDisplay::Rect:
    case clsDisplay::RoundedRect:
        return PhysicsBody::number(std::min(std::abs(qint64(d.sWidth())), std::abs(qint64(d.sHeight()))) /
                                   2.0);
    default:
        // The engine measures a picture and a text only when it makes them.
        return QStringLiteral("math.min( %1.width, %1.height ) / 2").arg(d.varName());
    }
}

void PhysicsCode::writeBody(LineWriter& w, const clsDisplay& d)
{
    if (!d.hasBody())
        return;
    const PhysicsBody& b = d.body();
    QString params = QStringLiteral("density = ") + PhysicsBody::number(b.density) +
                     QStringLiteral(", friction = ") + PhysicsBody::number(b.friction) +
                     QStringLiteral(", bounce = ") + PhysicsBody::number(b.bounce);
    if (b.shape == PhysicsBody::Circle)
        params += QStringLiteral(", radius = ") + radius(d);
    if (b.sensor)
        params += QStringLiteral(", isSensor = true");
    w("physics.addBody( ", d.varName(), ", ", QuoteText(PhysicsBody::typeName(b.type)), ", { ", params,
      " } )");
}

bool PhysicsCode::needed(const ModelObject& object)
{
    const clsDisplay* d = clsDisplay::from(&object);
    return d && d->hasBody();
}

bool PhysicsCode::needed(const QList<const ModelObject*>& objects)
{
    return std::any_of(objects.begin(), objects.end(), [](const ModelObject* o) { return o && needed(*o); });
}

void PhysicsCode::writeScene(LineWriter& w, ScenePlace place, int tabs)
{
    switch (place) {
    case ScenePlace::Top:
        w.line(tabs, "local physics = require( \"physics\" )");
        break;
    case ScenePlace::Create:
        // Bodies need a running engine; paused, nothing falls before the scene is shown.
        w.line(tabs, "physics.start()");
        w.line(tabs, "physics.pause()");
        break;
    case ScenePlace::ShowDid:
        w.line(tabs, "physics.start()");
        break;
    case ScenePlace::HideDid:
        w.line(tabs, "physics.pause()");
        break;
    }
}
