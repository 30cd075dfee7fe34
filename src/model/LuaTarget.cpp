#include "LuaTarget.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"

std::optional<QString> LuaTarget::write(const ModelObject& object, const WriteContext& context) const
{
    switch (object.kind()) {
    case ObjectKind::Display:
        return display(static_cast<const clsDisplay&>(object), context);
    case ObjectKind::Transition:
        return transition(static_cast<const clsTransition&>(object), context);
    case ObjectKind::Alert:
        return alert(static_cast<const clsAlert&>(object), context);
    }
    return std::nullopt;
}

QStringList LuaTarget::warnings(const ModelObject&) const
{
    return {};
}
