#include "ObjectCollection.h"

void ObjectCollection::append(std::unique_ptr<ModelObject> object)
{
    if (object)
        m_objects.push_back(std::move(object));
}

bool ObjectCollection::insert(qsizetype position, std::unique_ptr<ModelObject> object)
{
    if (!object || position < 1 || position > count() + 1)
        return false;
    m_objects.insert(m_objects.begin() + (position - 1), std::move(object));
    return true;
}

ModelObject* ObjectCollection::at(qsizetype position) const
{
    if (!holds(position))
        return nullptr;
    return m_objects[size_t(position - 1)].get();
}

std::unique_ptr<ModelObject> ObjectCollection::take(qsizetype position)
{
    if (!holds(position))
        return nullptr;
    const auto place = m_objects.begin() + (position - 1);
    std::unique_ptr<ModelObject> object = std::move(*place);
    m_objects.erase(place);
    return object;
}

std::unique_ptr<ModelObject> ObjectCollection::replace(qsizetype position,
                                                       std::unique_ptr<ModelObject> object)
{
    if (!object || !holds(position))
        return nullptr;
    m_objects[size_t(position - 1)].swap(object);
    return object;
}

bool ObjectCollection::remove(qsizetype position)
{
    return take(position) != nullptr;
}

QList<const ModelObject*> ObjectCollection::objects() const
{
    QList<const ModelObject*> all;
    all.reserve(count());
    for (const auto& object : m_objects)
        all.append(object.get());
    return all;
}
