#pragma once

#include "PhysicsBody.h"

#include <QJsonValue>
#include <QString>

#include <variant>

// A display object's "body" key of workspace format version 3: null, or an object with
// exactly the keys type, density, friction, bounce, sensor and shape.
class BodyJson
{
public:
    static QJsonValue write(const PhysicsBody& body);
    // The body, or what is wrong with the value (without the object's number).
    static std::variant<PhysicsBody, QString> read(const QJsonValue& value);
};
