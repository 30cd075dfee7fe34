#include "DisplayInput.h"

#include "clsDisplay.h"
#include "CodeText.h"
#include "DisplayKindLayout.h"
#include "NumberReader.h"
#include "ScreenExpression.h"

namespace {

InputProblem missing(const char* message, const char* field)
{
    return {QString::fromLatin1(message), QString::fromLatin1(field)};
}

// A leading-number field; out of range reads as 0 (only for fields the kind does not use).
qint32 leadingOrZero(const QString& text)
{
    return NumberReader::toInt32(NumberReader::leading(text)).value_or(0);
}

bool leadingInRange(const QString& text)
{
    return NumberReader::toInt32(NumberReader::leading(text)).has_value();
}

bool strictInRange(const QString& text)
{
    const std::optional<double> value = NumberReader::strict(text);
    return value && NumberReader::toInt32(*value);
}

qint32 strictOrZero(const QString& text)
{
    return NumberReader::toInt32(NumberReader::strict(text).value_or(0)).value_or(0);
}

// A number as before, else the expression's normalised text.
QString position(const QString& text)
{
    if (NumberReader::strict(text))
        return QString::number(strictOrZero(text));
    return ScreenExpression::parse(text).text;
}

} // namespace

std::optional<InputProblem> DisplayInput::validate() const
{
    if (varName.isEmpty())
        return missing("The variable name cannot be left blank", "txtVarName");
    const std::optional<DisplayKindLayout> layout = DisplayKindLayout::forKind(kind);
    if (!layout)
        return missing("Please select a valid display object", "cboObject");
    if (!NumberReader::strict(x) && !ScreenExpression::parse(x).ok())
        return missing("The x position has to be a number or a screen expression such as "
                       "display.screenOriginX + 10",
                       "txtX");
    if (!NumberReader::strict(y) && !ScreenExpression::parse(y).ok())
        return missing("The y position has to be a number or a screen expression such as "
                       "display.screenOriginY + 10",
                       "txtY");

    if (NumberReader::strict(x) && !strictInRange(x))
        return missing("The x position is out of range", "txtX");
    if (NumberReader::strict(y) && !strictInRange(y))
        return missing("The y position is out of range", "txtY");
    // For Text the width field holds the font name, which is no number.
    if (layout->width.shown && kind != clsDisplay::Text && !leadingInRange(width))
        return missing("The width is out of range", "txtWidth");
    if (layout->height.shown && !leadingInRange(height))
        return missing("The height is out of range", "txtHeight");
    if (layout->rounding.shown && !leadingInRange(rounding))
        return missing("The rounding is out of range", "txtRounding");
    // Written into the Lua as code, so they must be what they claim to be.
    if (const auto fault = CodeText::checkParentGroup(parentGroup))
        return InputProblem{fault->message(), QStringLiteral("txtParentGroup")};
    if (const auto fault = kind == clsDisplay::Text ? CodeText::checkFont(width) : std::nullopt)
        return InputProblem{fault->message(), QStringLiteral("txtWidth")};
    return std::nullopt;
}

DisplayInput DisplayInput::fromObject(const clsDisplay& display)
{
    DisplayInput input;
    input.varName = display.varName();
    input.kind = display.dObjType();
    input.began = display.eventHandling() & clsDisplay::Began;
    input.moved = display.eventHandling() & clsDisplay::Moved;
    input.ended = display.eventHandling() & clsDisplay::Ended;
    input.cancelled = display.eventHandling() & clsDisplay::Cancelled;
    input.parentGroup = display.parGroup();
    input.x = display.xText();
    input.y = display.yText();
    // One field serves as width and as font name; the value the kind does not use stays in
    // the object, since filling sets only the one the kind reads.
    input.width =
        display.dObjType() == clsDisplay::Text ? display.sFontName() : QString::number(display.sWidth());
    input.height = QString::number(display.sHeight());
    input.rounding = QString::number(display.sRounding());
    input.reference = display.reference();
    input.filename = display.filename();
    input.colour = display.Colour();
    return input;
}

void DisplayInput::fillInto(clsDisplay& display) const
{
    display.setVarName(varName);
    display.setEventHandling(0);
    const std::pair<bool, clsDisplay::TouchPhase> boxes[] = {{began, clsDisplay::Began},
                                                             {moved, clsDisplay::Moved},
                                                             {ended, clsDisplay::Ended},
                                                             {cancelled, clsDisplay::Cancelled}};
    for (const auto& [ticked, flag] : boxes) {
        if (ticked)
            display.setEventHandling(display.eventHandling() | flag);
    }
    display.setParGroup(parentGroup);
    display.setX(position(x));
    display.setY(position(y));
    if (kind == clsDisplay::Text)
        display.setSFontName(width);
    else
        display.setSWidth(leadingOrZero(width));
    display.setSHeight(leadingOrZero(height));
    display.setSRounding(leadingOrZero(rounding));
    display.setReference(reference);
    display.setFilename(filename);
    display.setColour(colour);
    display.setDObjType(qint16(kind));
}

qint32 DisplayInput::windowsColour(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return qint32(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}

QColor DisplayInput::fromWindowsColour(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
