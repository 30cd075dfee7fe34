#include "ObjectCollection.h"

void ObjectCollection::append(std::unique_ptr<ModelObject> object)
{
    if (object)
        m_objects.push_back(std::move(object));
}

ModelObject* ObjectCollection::at(qsizetype position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return m_objects[size_t(position - 1)].get();
}

bool ObjectCollection::remove(qsizetype position)
{
    if (position < 1 || position > count())
        return false;
    m_objects.erase(m_objects.begin() + (position - 1));
    return true;
}

QList<const ModelObject*> ObjectCollection::objects() const
{
    QList<const ModelObject*> all;
    all.reserve(count());
    for (const auto& object : m_objects)
        all.append(object.get());
    return all;
}
