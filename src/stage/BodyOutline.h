#pragma once

#include "PhysicsBody.h"
#include "StageItem.h"

#include <QColor>
#include <QPainterPath>

class QPainter;
class clsDisplay;

// A physics body's outline on the stage, as the engine's "hybrid" draw mode shows it: the
// box of the object's width and height, or the circle, both about the object's centre, in
// the colour of the body's type. The engine does not mark sensors; the stage dashes them.
class BodyOutline
{
public:
    // Notes the object's body on its item.
    static void dress(StageItem& item, const clsDisplay& object);
    // Orange for dynamic, dark blue for kinematic, green for static, as the engine's docs list.
    static QColor colour(PhysicsBody::Type type);
    // In content units; empty for an item without a body.
    static QPainterPath path(const StageItem& item);
    static void paint(QPainter& painter, const StageItem& item, qreal pixel);
};
