#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

// The window was designed with Windows fonts; elsewhere the desktop's own take their place.
class PreferredFont
{
public:
    // family at pointSize when it is installed, else the desktop's font of the given kind.
    static QFont get(const QString& family, QFontDatabase::SystemFont fallback, qreal pointSize);
    static QFont tahoma(qreal pointSize)
    {
        return get(QStringLiteral("Tahoma"), QFontDatabase::GeneralFont, pointSize);
    }
    static QFont courierNew(qreal pointSize)
    {
        return get(QStringLiteral("Courier New"), QFontDatabase::FixedFont, pointSize);
    }
};
