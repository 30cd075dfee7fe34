#pragma once

#include "PhysicsBody.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QTransform>

// Where and how one display object shows on the stage, in content units.
struct StageItem
{
    enum class Shape
    {
        Rect,
        RoundedRect,
        Circle,
        Line,
        Text,
        Image,
        Group // draws nothing; its bounds are its children's
    };

    // What painting thousands of rects reads comes first, in one cache line's reach.
    qsizetype position = 0; // in the collection, from 1
    Shape shape = Shape::Rect;
    bool grouped = false; // lives in a parent group whose position is unknown here
    qsizetype group = 0;  // position of the workspace's group it is drawn in, 0 for none
    QRectF bounds;        // normalised: what the object covers
    QColor colour;
    QLineF line;      // Line: first point to second point
    qreal radius = 0; // RoundedRect: corner radius; Circle: radius
    QString text;     // Text: the label; Image: the file name shown in the placeholder
    QFont font;       // Text only
    // Laid out once per change rather than once per paint: Text's label, or the placeholder's
    // file name shortened to fit.
    QStaticText label;
    // The point the object's x and y name once created: what transitions move, scale and
    // rotate about.
    QPointF anchor;
    bool markAnchor = false; // an image placed by its reference point
    bool dashed = false;     // an image without a usable reference point
    // Image: the absolute path of the picture drawn, empty for a placeholder; missing marks a
    // file that is not in the game's folder; toolTip names the file.
    QString picture;
    bool missing = false;
    QString toolTip;
    // The physics body the code gives the object; None for none.
    PhysicsBody::Type body = PhysicsBody::None;
    bool bodyCircle = false;
    bool bodySensor = false;
    // Alpha, and rotation and scale about the point at x, y; bounds stay the unturned shape's.
    qreal opacity = 1;
    bool transformed = false;
    QTransform transform;
    qreal strokeWidth = 0; // drawn half inside and half outside the edge
    // What the enclosing groups' rotation, scale and alpha add, as the engine composes them.
    QTransform inherited;
    qreal inheritedOpacity = 1;
    QColor stroke;
};
