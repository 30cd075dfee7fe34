#include "PreferredFont.h"

#include <QStringList>

QFont PreferredFont::get(const QString& family, QFontDatabase::SystemFont fallback, qreal pointSize)
{
    // families() lists only real fonts, not the aliases fontconfig would substitute.
    QFont font = QFontDatabase::families().contains(family, Qt::CaseInsensitive)
                     ? QFont(family)
                     : QFontDatabase::systemFont(fallback);
    font.setPointSizeF(pointSize);
    return font;
}
