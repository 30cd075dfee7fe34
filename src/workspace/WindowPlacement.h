#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>

// Whether a window geometry remembered from an earlier run still suits the screens attached
// now: it must lie at least partly on one of them and be no wider than that screen's
// available area.
class WindowPlacement
{
public:
    // geometry: what QWidget::saveGeometry wrote; screens: each screen's available geometry.
    static bool fits(const QByteArray& geometry, const QList<QRect>& screens);
};
