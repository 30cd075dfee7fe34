#include "PhysicsWarnings.h"

#include "clsDisplay.h"
#include "GroupTree.h"
#include "NumberReader.h"

namespace {

// An expression may be anything, so only a plain 0 counts as unmoved.
bool isZero(const QString& text)
{
    const std::optional<double> value = NumberReader::strict(text);
    return value && *value == 0;
}

} // namespace

std::optional<QString> PhysicsWarnings::forGroups(const QString& objectName,
                                                  const QList<GroupTransform>& chain)
{
    for (const GroupTransform& g : chain) {
        QString how;
        if (!isZero(g.x) || !isZero(g.y))
            how = QStringLiteral("moved");
        else if (g.rotation != 0)
            how = QStringLiteral("rotated");
        else if (g.xScale != 1 || g.yScale != 1)
            how = QStringLiteral("scaled");
        if (!how.isEmpty())
            return QStringLiteral(
                       "%1 is in the group %2, which is %3: physics bodies only line up with their "
                       "pictures in groups at 0, 0 with scale 1")
                .arg(objectName, g.name, how);
    }
    return std::nullopt;
}

std::optional<QString> PhysicsWarnings::forScale(const QString& objectName, double xScale, double yScale)
{
    if (xScale == 1 && yScale == 1)
        return std::nullopt;
    return QStringLiteral("%1 is scaled: physics does not scale bodies, so the body keeps the unscaled size "
                          "and the body and the picture come apart")
        .arg(objectName);
}

QStringList PhysicsWarnings::forObject(const clsDisplay& object, const GroupTree& tree)
{
    QStringList warnings;
    if (!object.hasBody())
        return warnings;
    QList<GroupTransform> chain;
    for (const clsDisplay* g = tree.parentOf(&object); g; g = tree.parentOf(g)) {
        const DisplayProperties& p = g->properties();
        chain.append({g->varName(), g->xText(), g->yText(), p.rotation, p.xScale, p.yScale});
    }
    if (const std::optional<QString> inGroup = forGroups(object.varName(), chain))
        warnings << *inGroup;
    const DisplayProperties& own = object.properties();
    if (const std::optional<QString> scaled = forScale(object.varName(), own.xScale, own.yScale))
        warnings << *scaled;
    return warnings;
}
