#include "AlertInput.h"

#include "clsAlert.h"

std::optional<InputProblem> AlertInput::validate(qsizetype buttonsCount) const
{
    if (varName.isEmpty())
        return InputProblem{QStringLiteral("The variable name cannot be left blank"),
                            QStringLiteral("txtVarName")};
    if (message.isEmpty())
        return InputProblem{QStringLiteral("The message text cannot be left blank"),
                            QStringLiteral("txtMsg")};
    if (buttonsCount == 0)
        return InputProblem{QStringLiteral("Atleast one button needs to be created"),
                            QStringLiteral("cmdAdd")};
    return std::nullopt;
}

AlertInput AlertInput::fromObject(const clsAlert& alert)
{
    return {alert.varName(), alert.title(), alert.message()};
}

void AlertInput::fillInto(clsAlert& alert) const
{
    alert.setVarName(varName);
    alert.setTitle(title);
    alert.setMessage(message);
}
