#include "PropertyLines.h"

#include "clsDisplay.h"
#include "LineWriter.h"

namespace {

QString component(int byte, bool graphics1)
{
    if (graphics1 || byte == 0)
        return QString::number(byte);
    if (byte == 255)
        return QStringLiteral("1");
    return QString::number(byte) + QStringLiteral("/255");
}

} // namespace

bool PropertyLines::takesStroke(int kind)
{
    return kind == clsDisplay::Rect || kind == clsDisplay::RoundedRect || kind == clsDisplay::Circle ||
           kind == clsDisplay::Line;
}

void PropertyLines::write(LineWriter& w, const clsDisplay& d, bool graphics1)
{
    const DisplayProperties& p = d.properties();
    const QString V = d.varName();
    const auto num = DisplayProperties::number;
    const int kind = d.dObjType();
    // Graphics 1.0 turns these about their centre; the top left is where Graphics 2.0's
    // anchors put x, y.
    if (graphics1 && p.transformed() &&
        (kind == clsDisplay::Rect || kind == clsDisplay::RoundedRect || kind == clsDisplay::Text))
        w(V, ":setReferencePoint( display.TopLeftReferencePoint )");
    if (p.alpha != 1)
        w(V, ".alpha = ", num(p.alpha));
    if (p.rotation != 0)
        w(V, ".rotation = ", num(p.rotation));
    if (p.xScale != 1)
        w(V, ".xScale = ", num(p.xScale));
    if (p.yScale != 1)
        w(V, ".yScale = ", num(p.yScale));
    if (!takesStroke(kind) || p.strokeWidth == 0)
        return;
    if (kind == clsDisplay::Line) {
        w(V, graphics1 ? ".width = " : ".strokeWidth = ", QString::number(p.strokeWidth));
        return;
    }
    w(V, ".strokeWidth = ", QString::number(p.strokeWidth));
    // The engine's default stroke is white, so black is written too.
    const auto c = [&](int shift) { return component((quint32(p.strokeColour) >> shift) & 0xFF, graphics1); };
    w(V, ":setStrokeColor( ", c(0), ", ", c(8), ", ", c(16), " )");
}
