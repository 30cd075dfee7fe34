#pragma once

#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

// One entry of config.lua's imageSuffix table: "@2x" for a content scale of 2.
struct ImageSuffix
{
    QString suffix;
    double scale = 1;
    bool operator==(const ImageSuffix&) const = default;
};

// What the stage and the picture checks need to know of the game behind a workspace: where its
// files are, and how its content area maps onto the device chosen on the stage.
struct ProjectContext
{
    QString folder;                   // absolute path of the game's folder; empty without one
    bool scaling = false;             // a content scale mode is active (anything but "no scaling")
    double contentScale = 1;          // device pixels per content unit on the x axis (the engine's 1/sx)
    QList<ImageSuffix> imageSuffixes; // as config.lua lists them
    QSize devicePixels{320, 480};     // the device screen in pixels, orientation applied
    QRectF screenInContent{0, 0, 320, 480}; // the device screen in content units
    QRectF safeInContent{0, 0, 320, 480};   // the part of it outside notches and bars
    QString name;                           // the folder's own name
    QSizeF contentSize{320, 480};           // the content area, orientation applied
    // "letterbox", "zoomEven", "zoomStretch", "adaptive" or "no scaling".
    QString mode{QStringLiteral("letterbox")};
    bool graphicsV1 = false; // config.lua keeps graphicsCompatibility = 1
    QString problem;         // what went wrong reading the game's files, one line each

    bool hasFolder() const { return !folder.isEmpty(); }
    // Whether the engine looks for suffixed pictures at all.
    bool usesImageSuffixes() const;
    bool operator==(const ProjectContext&) const = default;
};
