#include "TransitionInput.h"

#include "clsTransition.h"
#include "CodeText.h"
#include "NumberReader.h"

std::optional<InputProblem> TransitionInput::validate() const
{
    if (varName.isEmpty())
        return InputProblem{QStringLiteral("The variable name cannot be left blank"),
                            QStringLiteral("txtVarName")};
    // The number before rounding decides: 0.4 is a duration, if a short one.
    const double time = NumberReader::leadingDecimal(duration);
    if (!(time > 0))
        return InputProblem{QStringLiteral("The duration has to be a number"), QStringLiteral("txtDuration")};
    if (!NumberReader::toInt32(time))
        return InputProblem{QStringLiteral("The duration is out of range"), QStringLiteral("txtDuration")};
    if (!NumberReader::toInt32(NumberReader::leadingDecimal(delay)))
        return InputProblem{QStringLiteral("The delay is out of range"), QStringLiteral("txtDelay")};
    if (const auto fault = CodeText::checkListener(QStringLiteral("onStart"), onStart))
        return InputProblem{fault->message(), QStringLiteral("txtOnStart")};
    if (const auto fault = CodeText::checkListener(QStringLiteral("onComplete"), onComplete))
        return InputProblem{fault->message(), QStringLiteral("txtOnComplete")};
    return std::nullopt;
}

TransitionInput TransitionInput::fromObject(const clsTransition& transition)
{
    TransitionInput input;
    input.varName = transition.varName();
    input.duration = QString::number(transition.duration());
    input.delay = QString::number(transition.delay());
    input.onStart = transition.onStart();
    input.onComplete = transition.onComplete();
    input.from = transition.transitionDirection() != 0; // as the generator reads it
    input.easing = transition.easing();
    return input;
}

void TransitionInput::fillInto(clsTransition& transition) const
{
    transition.setVarName(varName);
    transition.setDuration(NumberReader::toInt32(NumberReader::leadingDecimal(duration)).value_or(0));
    transition.setDelay(NumberReader::toInt32(NumberReader::leadingDecimal(delay)).value_or(0));
    transition.setOnStart(onStart);
    transition.setOnComplete(onComplete);
    transition.setTransitionDirection(from ? 1 : 0);
    transition.setEasing(easing);
}
