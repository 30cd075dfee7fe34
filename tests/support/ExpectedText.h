#pragma once

#include <QString>
#include <QStringList>

// Generated Lua written as readable lines in the tests.
namespace ExpectedText {

// The lines, each followed by CR LF, the last included.
QString crlf(const QStringList& lines);

// The lines of a generated text. A text whose line ends are not all CR LF (or that does
// not end in one) comes back as a single entry naming the fault, so comparisons fail.
QStringList lines(const QString& text);

} // namespace ExpectedText
