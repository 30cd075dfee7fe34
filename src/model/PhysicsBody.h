#pragma once

#include <QString>

// A Box2D body on a display object, as physics.addBody takes it. Type None: no body.
struct PhysicsBody
{
    enum Type
    {
        None = 0,
        Static,
        Dynamic,
        Kinematic
    };
    enum Shape
    {
        Box = 0, // the object's bounds
        Circle
    };

    Type type = None;
    double density = 1;
    double friction = 0.3;
    double bounce = 0.2;
    bool sensor = false;
    Shape shape = Box;

    bool operator==(const PhysicsBody&) const = default;
    bool exists() const { return type != None; }

    // "static", "dynamic", "kinematic"; "" for None.
    static QString typeName(Type type);
    // "box", "circle".
    static QString shapeName(Shape shape);
    // The shortest text that reads back as the same number: 0.3, not 0.29999999999999999.
    static QString number(double value);
};
