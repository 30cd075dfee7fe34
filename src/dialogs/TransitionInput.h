#pragma once

#include "InputProblem.h"

#include <QString>

#include <optional>

class clsTransition;

// The transition editor's fields as plain values, with the rules that check them and copy
// them into the transition.
class TransitionInput
{
public:
    QString varName;
    QString duration;
    QString delay;
    QString onStart;
    QString onComplete;
    bool from = false;
    QString easing; // "" for linear

    // What the controls show to edit this transition.
    static TransitionInput fromObject(const clsTransition& transition);

    std::optional<InputProblem> validate() const;
    // Copies the fields in their fixed order. Expects input that validates.
    void fillInto(clsTransition& transition) const;
};
