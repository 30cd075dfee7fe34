#pragma once

#include "ModelObject.h"

#include <memory>

// Receives the objects the editors finish; the main window is the one implementation.
class ObjectSink
{
public:
    virtual ~ObjectSink() = default;
    virtual void addObject(std::unique_ptr<ModelObject> object) = 0;
};
