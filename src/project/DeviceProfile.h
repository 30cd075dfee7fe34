#pragma once

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

    bool operator==(const DeviceProfile&) const = default;
};
