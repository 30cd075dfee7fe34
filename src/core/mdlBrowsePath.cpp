#include "mdlBrowsePath.h"

#include <algorithm>

namespace mdlBrowsePath {

QString QuoteText(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
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
