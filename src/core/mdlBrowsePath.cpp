#include "mdlBrowsePath.h"

#include <algorithm>

namespace mdlBrowsePath {

QString QuoteText(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    qsizetype backslashes = 0; // in the run just before the current character
    for (const QChar c : text) {
        if (c == QLatin1Char('"') && backslashes % 2 == 0)
            quoted += QLatin1Char('\\');
        backslashes = c == QLatin1Char('\\') ? backslashes + 1 : 0;
        quoted += c;
    }
    if (backslashes % 2 != 0)
        quoted += QLatin1Char('\\');
    quoted += QLatin1Char('"');
    return quoted;
}

QString FileNameFromPath(const QString& path)
{
    const qsizetype last = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    // Only blanks are trimmed: a tab or line break inside a name is the user's own.
    QStringView name = QStringView(path).mid(last + 1);
    while (name.startsWith(QLatin1Char(' ')))
        name = name.mid(1);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.toString();
}

} // namespace mdlBrowsePath
