#pragma once

#include <QStringList>

// Generated Lua written as readable lines in the tests, each line ending in CR LF.
namespace ExpectedText {

inline QString crlf(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A text that ends in CR LF ends in an empty entry.
inline QStringList lines(const QString& text)
{
    return text.split(QStringLiteral("\r\n"));
}

} // namespace ExpectedText
