#pragma once

#include <QMargins>
#include <QSize>
#include <QString>

// The device a game runs on, as config.lua may ask about it: portrait sizes in points (iOS) or
// dp (Android), which adaptive scaling uses, and in pixels.
struct DeviceProfile
{
    QString name{QStringLiteral("Classic")};
    QSize points{320, 480};
    QSize pixels{320, 480};
    bool android = false;
    // The safe area's insets in pixels, portrait and landscape; none without a notch.
    QMargins insets{};
    QMargins landscapeInsets{};

    bool operator==(const DeviceProfile&) const = default;
};
