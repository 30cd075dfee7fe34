#pragma once

#include "ObjectSink.h"

#include <memory>
#include <vector>

// Keeps every object an editor hands over, in order.
class RecordingSink : public ObjectSink
{
public:
    void addObject(std::unique_ptr<ModelObject> object) override { objects.push_back(std::move(object)); }

    // The last object handed over as T, or nullptr when there is none of that type.
    template <typename T> T* last() const
    {
        return objects.empty() ? nullptr : dynamic_cast<T*>(objects.back().get());
    }

    std::vector<std::unique_ptr<ModelObject>> objects;
};
