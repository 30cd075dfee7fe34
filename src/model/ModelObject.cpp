#include "ModelObject.h"

#include "LuaTarget.h"
#include "LuaTargets.h"

std::optional<QString> ModelObject::codeSnippet(GraphicsApi api) const
{
    const LuaTarget* target = LuaTargets::find(api);
    return target ? target->write(*this) : std::nullopt;
}

std::optional<QString> ModelObject::codeSnippet(GraphicsApi api, const WriteContext& context) const
{
    const LuaTarget* target = LuaTargets::find(api);
    return target ? target->write(*this, context) : std::nullopt;
}
