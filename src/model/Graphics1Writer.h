#pragma once

#include "LuaTarget.h"

// Corona's first graphics API, in the framed style of the first output: reference points,
// 0..255 colours, table listeners.
class Graphics1Writer : public LuaTarget
{
public:
    GraphicsApi api() const override { return GraphicsApi::V1; }
    QString caption() const override;
    int graphicsCompatibility() const override;
    QStringList warnings(const ModelObject& object) const override;

protected:
    std::optional<QString> display(const clsDisplay& object, const WriteContext& context) const override;
    QString transition(const clsTransition& object, const WriteContext& context) const override;
    QString alert(const clsAlert& object, const WriteContext& context) const override;
};
