#include "FormatVersion.h"

#include "clsDisplay.h"
#include "clsTransition.h"
#include "ModelObject.h"

#include <algorithm>

int FormatVersion::objectNeeds(const ModelObject& object)
{
    switch (object.kind()) {
    case ObjectKind::Display: {
        const auto& d = static_cast<const clsDisplay&>(object);
        if (d.isGroup() || d.hasBody() || d.hasExpression() || !d.properties().isDefault())
            return 3;
        break;
    }
    case ObjectKind::Transition:
        if (!static_cast<const clsTransition&>(object).easing().isEmpty())
            return 3;
        break;
    case ObjectKind::Alert:
        break;
    }
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
