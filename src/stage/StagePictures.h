#pragma once

#include "StageItem.h"

#include <QSize>

#include <optional>

class clsDisplay;
class PictureLibrary;
class QPixmap;

// The game's real pictures on the stage: which file an image shows, at what size, and the
// placeholder's look when there is none. Without a library, or one without a project folder,
// images keep their placeholders.
class StagePictures
{
public:
    // display.newImage shrinks a picture larger than this in either direction, whatever the screen.
    static constexpr int maxTextureSize = 4096;

    void setLibrary(PictureLibrary* library) { m_library = library; }
    PictureLibrary* library() const { return m_library; }
    bool isActive() const;

    // An Image's size in content units, once its picture is decoded.
    std::optional<QSizeF> imageSize(const clsDisplay& object) const;
    // Fills in the picture, the missing mark and the tool tip of an image's item.
    void dress(StageItem& item, const clsDisplay& object) const;
    // The picture to draw for the item now, or nullptr for its placeholder; pixel: content units
    // per device pixel.
    const QPixmap* pixmap(const StageItem& item, qreal pixel) const;
    void beginFrame() const;

    // The factor display.newImage scales a picture by without isFullResolution: it must fit the
    // device's screen rounded up to powers of two (its longer side along the screen's longer
    // side), and the largest texture.
    static double newImageScale(QSize picture, QSize devicePixels);

private:
    PictureLibrary* m_library = nullptr;
};
