#pragma once

#include "clsDisplay.h"
#include "LineWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

// What every target writes alike for a display object: the creation call's kind and
// arguments, and the touch phases it handles.
class DisplayCall
{
public:
    struct Phase
    {
        clsDisplay::TouchPhase flag;
        QString phase; // "began"
        QString name;  // "Began", as the comments name it
    };

    // "Rect" for display.newRect; empty for a kind no target knows.
    static QString typeName(const clsDisplay& object);
    // parent group, file, then the kind's own numbers, as Lua text.
    static QStringList arguments(const clsDisplay& object);
    // The phases ticked, in the order they are written (not the order of their bits).
    static QList<Phase> phases(const clsDisplay& object);
    // A group's place: x and y when not 0, then its insertion into its parent group.
    static void placeGroup(LineWriter& w, const clsDisplay& group);
};
