#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// An x or y written as arithmetic of numbers and the engine's screen names, such as
// display.screenOriginX + 10. Pure functions, so that any checker may call them.
class ScreenExpression
{
public:
    struct Parsed
    {
        QString text;  // normalised: one blank around each binary operator, none elsewhere
        QString error; // empty when the text is an expression
        bool ok() const { return error.isEmpty(); }
    };

    // The names an expression may use, as the engine spells them.
    static const QStringList& names();
    static Parsed parse(const QString& text);
    // The value with each name taken from values (a missing name reads 0); nothing for a
    // text that does not parse or divides by 0.
    static std::optional<double> evaluate(const QString& text, const QHash<QString, double>& values);
    // The expression moved by delta: its trailing + n or - n at the outermost level
    // changes, or one is added. Expects a parsed text.
    static QString nudged(const QString& text, double delta);
};
