#include "FormatVersion.h"

#include "clsDisplay.h"
#include "ModelObject.h"
#include "PhysicsCode.h"

#include <algorithm>

int FormatVersion::objectNeeds(const ModelObject& object)
{
    if (const clsDisplay* d = clsDisplay::from(&object); d && d->isGroup())
        return 3;
    if (PhysicsCode::needed(object))
        return 3;
    return 1;
}

int FormatVersion::objectsNeed(const QList<const ModelObject*>& objects)
{
    int needed = 1;
    for (const ModelObject* object : objects) {
        needed = std::max(needed, objectNeeds(*object));
        if (needed == newest)
            break;
    }
    return needed;
}
