#include "GroupTree.h"

#include "clsDisplay.h"

#include <utility>

GroupTree::GroupTree(const QList<const ModelObject*>& objects, const Placement& placement)
{
    QList<const clsDisplay*> displays;
    for (const ModelObject* object : objects) {
        if (const clsDisplay* d = clsDisplay::from(object)) {
            displays << d;
            if (d->isGroup() && !m_groups.contains(d->varName()))
                m_groups.insert(d->varName(), d);
        }
    }
    if (m_groups.isEmpty()) { // the common case, kept cheap for the stage's every change
        m_order = displays;
        return;
    }
    // A group whose chain of parents comes back to it would put the engine in a loop.
    QSet<const clsDisplay*> inCycle;
    QSet<const clsDisplay*> settled;
    for (const clsDisplay* start : std::as_const(displays)) {
        if (!start->isGroup() || settled.contains(start))
            continue;
        QList<const clsDisplay*> path;
        const clsDisplay* at = start;
        while (at && !settled.contains(at) && !path.contains(at)) {
            path << at;
            at = m_groups.value(at->parGroup().trimmed());
        }
        if (at && path.contains(at)) {
            QStringList names;
            for (qsizetype i = path.indexOf(at); i < path.size(); ++i) {
                inCycle.insert(path.at(i));
                names << path.at(i)->varName();
            }
            names << at->varName();
            m_cycles << QStringLiteral("%1 is inside itself: %2").arg(at->varName(), names.join(u" \u2192 "));
            for (qsizetype i = path.indexOf(at); i < path.size(); ++i)
                m_cycleOf.insert(path.at(i), m_cycles.constLast());
        }
        for (const clsDisplay* d : std::as_const(path))
            settled.insert(d);
    }
    QList<const clsDisplay*> roots;
    for (const clsDisplay* d : std::as_const(displays)) {
        const clsDisplay* parent = m_groups.value(d->parGroup().trimmed());
        // A loop of groups has no place: what is in it is drawn and made as if in no group.
        if (parent && !inCycle.contains(parent)) {
            m_parent.insert(d, parent);
            m_children[parent] << d;
        } else {
            roots << d;
        }
    }
    // Depth first without recursion: a chain of groups may be as long as the workspace.
    QList<std::pair<const clsDisplay*, QPoint>> stack;
    for (qsizetype i = roots.size() - 1; i >= 0; --i)
        stack.append({roots.at(i), QPoint()});
    while (!stack.isEmpty()) {
        const auto [d, offset] = stack.takeLast();
        m_order << d;
        if (!offset.isNull())
            m_offset.insert(d, offset);
        const auto found = m_children.constFind(d);
        if (found == m_children.cend())
            continue;
        const QPoint inner = offset + (placement ? placement(*d) : QPoint(d->x(), d->y()));
        for (qsizetype i = found->size() - 1; i >= 0; --i)
            stack.append({found->at(i), inner});
    }
}
