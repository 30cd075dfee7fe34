#include "BodyJson.h"

#include <QJsonObject>
#include <QStringList>

#include <cmath>

QJsonValue BodyJson::write(const PhysicsBody& b)
{
    if (!b.exists())
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{
        {QStringLiteral("type"), PhysicsBody::typeName(b.type)},
        {QStringLiteral("density"), b.density},
        {QStringLiteral("friction"), b.friction},
        {QStringLiteral("bounce"), b.bounce},
        {QStringLiteral("sensor"), b.sensor},
        {QStringLiteral("shape"), PhysicsBody::shapeName(b.shape)},
    };
}

std::variant<PhysicsBody, QString> BodyJson::read(const QJsonValue& value)
{
    PhysicsBody b;
    if (value.isNull())
        return b;
    if (!value.isObject())
        return QStringLiteral("body must be null or an object");
    const QJsonObject o = value.toObject();
    static const QStringList keys{"type", "density", "friction", "bounce", "sensor", "shape"};
    for (const QString& key : keys) {
        if (!o.contains(key))
            return QStringLiteral("body: missing key \"%1\"").arg(key);
    }
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!keys.contains(it.key()))
            return QStringLiteral("body: unknown key \"%1\"").arg(it.key());
    }
    const QString type = o.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("static"))
        b.type = PhysicsBody::Static;
    else if (type == QLatin1String("dynamic"))
        b.type = PhysicsBody::Dynamic;
    else if (type == QLatin1String("kinematic"))
        b.type = PhysicsBody::Kinematic;
    else
        return QStringLiteral("body type must be \"static\", \"dynamic\" or \"kinematic\"");
    const auto number = [&o](const char* key, double& into) {
        const QJsonValue v = o.value(QLatin1String(key));
        into = v.toDouble();
        return v.isDouble() && std::isfinite(into);
    };
    if (!number("density", b.density) || b.density <= 0)
        return QStringLiteral("body density must be a number above 0");
    if (!number("friction", b.friction) || b.friction < 0)
        return QStringLiteral("body friction must be a number of 0 or more");
    if (!number("bounce", b.bounce) || b.bounce < 0)
        return QStringLiteral("body bounce must be a number of 0 or more");
    if (!o.value(QStringLiteral("sensor")).isBool())
        return QStringLiteral("body sensor must be true or false");
    b.sensor = o.value(QStringLiteral("sensor")).toBool();
    const QString shape = o.value(QStringLiteral("shape")).toString();
    if (shape == QLatin1String("circle"))
        b.shape = PhysicsBody::Circle;
    else if (shape != QLatin1String("box"))
        return QStringLiteral("body shape must be \"box\" or \"circle\"");
    return b;
}
