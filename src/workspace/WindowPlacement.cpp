#include "WindowPlacement.h"

#include <QDataStream>

namespace {

// QWidget::saveGeometry's header, which has kept this layout since Qt 4.
constexpr quint32 geometryMagic = 0x1D9D0CB;

} // namespace

bool WindowPlacement::fits(const QByteArray& geometry, const QList<QRect>& screens)
{
    QDataStream stream(geometry);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    stream >> magic >> major >> minor >> frame >> normal;
    if (stream.status() != QDataStream::Ok || magic != geometryMagic || !frame.isValid())
        return false;
    for (const QRect& screen : screens) {
        if (screen.intersects(frame) && frame.width() <= screen.width() && normal.width() <= screen.width())
            return true;
    }
    return false;
}
