#include "BodyOutline.h"

#include "clsDisplay.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

void BodyOutline::dress(StageItem& item, const clsDisplay& object)
{
    item.body = object.hasBody() ? object.body().type : PhysicsBody::None;
    item.bodyCircle = object.body().shape == PhysicsBody::Circle;
    item.bodySensor = object.body().sensor;
}

QColor BodyOutline::colour(PhysicsBody::Type type)
{
    switch (type) {
    case PhysicsBody::Dynamic:
        return QColor(255, 140, 0);
    case PhysicsBody::Kinematic:
        return QColor(0, 0, 139);
    case PhysicsBody::Static:
        return QColor(0, 160, 0);
    case PhysicsBody::None:
        break;
    }
    return QColor();
}

QPainterPath BodyOutline::path(const StageItem& item)
{
    QPainterPath path;
    if (item.body == PhysicsBody::None)
        return path;
    const QRectF b = item.bounds;
    if (!item.bodyCircle) {
        path.addRect(b);
        return path;
    }
    // A circle object's own radius; half the smaller side for any other kind.
    const qreal r =
        item.shape == StageItem::Shape::Circle ? item.radius : std::min(b.width(), b.height()) / 2;
    path.addEllipse(b.center(), r, r);
    return path;
}

void BodyOutline::paint(QPainter& painter, const StageItem& item, qreal)
{
    const QPainterPath outline = path(item);
    if (outline.isEmpty())
        return;
    QColor fill = colour(item.body);
    fill.setAlpha(48);
    QPen pen(colour(item.body), 2, item.bodySensor ? Qt::DashLine : Qt::SolidLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawPath(outline);
}
