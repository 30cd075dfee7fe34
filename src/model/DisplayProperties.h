#pragma once

#include <QString>
#include <QtGlobal>

// What every display object may set after its creation; each value at its default writes
// nothing, so objects that set none keep their text.
struct DisplayProperties
{
    double alpha = 1;
    double rotation = 0; // degrees, clockwise as the engine turns
    double xScale = 1;
    double yScale = 1;
    qint32 strokeWidth = 0;  // 0 to 255
    qint32 strokeColour = 0; // a Windows colour value, black by default

    static constexpr qint32 strokeWidthMax = 255;

    bool operator==(const DisplayProperties&) const = default;
    bool isDefault() const { return *this == DisplayProperties(); }
    bool transformed() const { return rotation != 0 || xScale != 1 || yScale != 1; }
    // A Lua number as short as it goes: 0.5, 45, -1.25.
    static QString number(double value);
};
