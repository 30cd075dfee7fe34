#pragma once

#include "ModelObject.h"

#include <QList>

#include <memory>
#include <vector>

// The objects of this run, in the order they were made. Positions count from 1, as the
// tree's node indexes do (node index - 4 is the position).
class ObjectCollection
{
public:
    qsizetype count() const { return qsizetype(m_objects.size()); }
    bool isEmpty() const { return m_objects.empty(); }

    void append(std::unique_ptr<ModelObject> object);
    // nullptr when position is outside 1..count().
    ModelObject* at(qsizetype position) const;
    // Destroys the object; later ones move down one place. False when there is no such position.
    bool remove(qsizetype position);
    void clear() { m_objects.clear(); }
    // Every object, in order, for rules that look at the whole workspace.
    QList<const ModelObject*> objects() const;

private:
    std::vector<std::unique_ptr<ModelObject>> m_objects;
};
