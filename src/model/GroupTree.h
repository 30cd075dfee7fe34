#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class ModelObject;
class clsDisplay;

// How the display objects of a workspace nest in its groups, as the engine builds them: the
// group each object goes into, where that puts it on the screen, and the order that creates
// every group before anything put into it.
class GroupTree
{
public:
    // Where a group's own x and y put it; by default its whole-number x and y (an expression
    // counts as 0 there), which the stage replaces by the expression's value on its screen.
    using Placement = std::function<QPoint(const clsDisplay&)>;
    explicit GroupTree(const QList<const ModelObject*>& objects, const Placement& placement = {});

    // The group of this workspace the object goes into; null for no parent, a parent name that
    // is no group here, or a group that is inside itself.
    const clsDisplay* parentOf(const clsDisplay* object) const { return m_parent.value(object); }
    // What the enclosing groups add to the object's own x and y.
    QPoint offsetOf(const clsDisplay* object) const { return m_offset.value(object); }
    // Every display object, each group's children right after it, each in the order made.
    const QList<const clsDisplay*>& engineOrder() const { return m_order; }
    // The objects put into this group directly.
    QList<const clsDisplay*> childrenOf(const clsDisplay* group) const { return m_children.value(group); }
    // "hud is inside itself: hud → panel → hud", one per loop of groups.
    const QStringList& cycles() const { return m_cycles; }
    // The loop the group is part of, as cycles() words it; "" for none.
    QString cycleOf(const clsDisplay* group) const { return m_cycleOf.value(group); }
    bool hasGroups() const { return !m_groups.isEmpty(); }
    // A group of this workspace by its name; the first made when names repeat.
    const clsDisplay* group(const QString& name) const { return m_groups.value(name); }

private:
    QHash<QString, const clsDisplay*> m_groups;
    QHash<const clsDisplay*, const clsDisplay*> m_parent;
    QHash<const clsDisplay*, QList<const clsDisplay*>> m_children;
    QHash<const clsDisplay*, QPoint> m_offset;
    QList<const clsDisplay*> m_order;
    QStringList m_cycles;
    QHash<const clsDisplay*, QString> m_cycleOf;
};
