#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class clsDisplay;
class GroupTree;

// What the engine's docs warn of for bodies: physics ignores the transforms of groups and
// does not scale bodies, so a body there and its picture come apart.
class PhysicsWarnings
{
public:
    // One group that holds the object, as its own fields give it.
    struct GroupTransform
    {
        QString name;
        QString x = QStringLiteral("0"); // a number or an expression
        QString y = QStringLiteral("0");
        double rotation = 0;
        double xScale = 1;
        double yScale = 1;
    };

    // For a body in groups (the innermost first): the first group that is moved, rotated or
    // scaled; nothing when all sit at 0, 0 unrotated with scale 1.
    static std::optional<QString> forGroups(const QString& objectName, const QList<GroupTransform>& chain);
    // For a body on an object scaled other than 1, 1.
    static std::optional<QString> forScale(const QString& objectName, double xScale, double yScale);
    // Both, for an object of a workspace whose groups the tree knows.
    static QStringList forObject(const clsDisplay& object, const GroupTree& tree);
};
