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
    // Puts the object at position 1..count()+1; later ones move up one place. False (and the
    // object is dropped) when there is no such position or no object.
    bool insert(qsizetype position, std::unique_ptr<ModelObject> object);
    // nullptr when position is outside 1..count().
    ModelObject* at(qsizetype position) const;
    // Hands the object out; later ones move down one place. nullptr when there is no such position.
    std::unique_ptr<ModelObject> take(qsizetype position);
    // Puts the object in the other's place and hands the other out; nullptr (and nothing
    // changes) when there is no such position or no object.
    std::unique_ptr<ModelObject> replace(qsizetype position, std::unique_ptr<ModelObject> object);
    // Destroys the object; later ones move down one place. False when there is no such position.
    bool remove(qsizetype position);
    void clear() { m_objects.clear(); }
    // Every object, in order, for rules that look at the whole workspace.
    QList<const ModelObject*> objects() const;

private:
    bool holds(qsizetype position) const { return position >= 1 && position <= count(); }

    std::vector<std::unique_ptr<ModelObject>> m_objects;
};
