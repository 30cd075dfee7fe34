#pragma once

#include "InputProblem.h"

#include <QString>

#include <optional>

class clsAlert;

// The alert editor's three texts, with the rules that check them (together with the
// alert's buttons) and copy them into the alert.
class AlertInput
{
public:
    QString varName;
    QString title;
    QString message;

    // What the controls show to edit this alert; its buttons stay in the alert itself.
    static AlertInput fromObject(const clsAlert& alert);

    std::optional<InputProblem> validate(qsizetype buttonsCount) const;
    void fillInto(clsAlert& alert) const;
};
