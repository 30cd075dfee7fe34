#pragma once

#include <QFile>
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

// An expected text kept in tests/model/golden, its line ends made CR LF; "" when unreadable.
inline QString golden(const QString& name)
{
    QFile file(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace ExpectedText
