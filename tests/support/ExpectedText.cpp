#include "ExpectedText.h"

namespace ExpectedText {

QString crlf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

QStringList lines(const QString& text)
{
    QStringList result = text.split(QLatin1String("\r\n"));
    if (result.takeLast() != QString())
        return {QStringLiteral("<text does not end in CR LF>")};
    for (const QString& line : result) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            return {QStringLiteral("<stray CR or LF in: ") + line + QLatin1Char('>')};
    }
    return result;
}

} // namespace ExpectedText
