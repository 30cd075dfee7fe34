#pragma once

#include <QString>

class QWidget;

// The first thing an editor's input lacks: the message for the user, and the objectName of
// the control that gets the focus so that the user can put it right.
struct InputProblem
{
    QString message;
    QString field;

    bool operator==(const InputProblem&) const = default;

    // The "Missing Data" box over the dialog, then the focus to the field.
    void report(QWidget* dialog) const;
};
