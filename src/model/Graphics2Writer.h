#pragma once

#include "LuaTarget.h"

// Graphics 2.0, as Solar2D developers write it today: anchors, 0..1 colours, local functions.
class Graphics2Writer : public LuaTarget
{
public:
    GraphicsApi api() const override { return GraphicsApi::V2; }
    QString caption() const override;
    int graphicsCompatibility() const override;

protected:
    std::optional<QString> display(const clsDisplay& object, const WriteContext& context) const override;
    QString transition(const clsTransition& object, const WriteContext& context) const override;
    QString alert(const clsAlert& object, const WriteContext& context) const override;
};
