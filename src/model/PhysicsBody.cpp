#include "PhysicsBody.h"

#include <QLocale>

QString PhysicsBody::typeName(Type type)
{
    switch (type) {
    case Static:
        return QStringLiteral("static");
    case Dynamic:
        return QStringLiteral("dynamic");
    case Kinematic:
        return QStringLiteral("kinematic");
    case None:
        break;
    }
    return QString();
}

QString PhysicsBody::shapeName(Shape shape)
{
    return shape == Circle ? QStringLiteral("circle") : QStringLiteral("box");
}

QString PhysicsBody::number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
