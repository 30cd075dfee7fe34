#pragma once

#include "InputProblem.h"

#include <QColor>
#include <QString>

#include <optional>

class clsDisplay;

// What the display editor's controls hold, as plain values, and the rules that check it
// and turn it into a display object.
class DisplayInput
{
public:
    QString varName;
    int kind = -1; // DisplayObjectType, -1 when none is picked
    bool began = false;
    bool moved = false;
    bool ended = false;
    bool cancelled = false;
    QString parentGroup;
    QString x;
    QString y;
    QString width; // the font name for Text
    QString height;
    QString rounding;
    int reference = -1; // ReferencePoint, -1 when none is picked
    QString filename;   // the text to show for Text
    qint32 colour = whiteColour;

    // Corona's default fill, which the swatch shows before a pick.
    static constexpr qint32 whiteColour = 16777215;

    // What the controls show to edit this object: every stored value, also of fields the
    // kind hides, so that OK without a change stores the same object again.
    static DisplayInput fromObject(const clsDisplay& display);

    // The first problem, checked in a fixed order; nothing when the input may be accepted.
    std::optional<InputProblem> validate() const;
    // Stores every field, shown or not, into the object. Expects input that validates.
    void fillInto(clsDisplay& display) const;

    // A Windows colour value: red in bits 0-7, green 8-15, blue 16-23.
    static qint32 windowsColour(const QColor& color);
    static QColor fromWindowsColour(qint32 value);
};
