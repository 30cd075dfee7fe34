#include "StagePictures.h"

#include "clsDisplay.h"
#include "PictureLibrary.h"
#include "StageGeometry.h"

namespace {

int nextPowerOfTwo(int value)
{
    int power = 1;
    while (power < value && power < (1 << 30))
        power <<= 1;
    return power;
}

bool isImage(const clsDisplay& object)
{
    return object.dObjType() == clsDisplay::Image || object.dObjType() == clsDisplay::ImageRect;
}

} // namespace

bool StagePictures::isActive() const
{
    return m_library && m_library->isActive();
}

double StagePictures::newImageScale(QSize picture, QSize devicePixels)
{
    if (picture.isEmpty())
        return 1;
    int wMax = std::min(nextPowerOfTwo(devicePixels.width()), maxTextureSize);
    int hMax = std::min(nextPowerOfTwo(devicePixels.height()), maxTextureSize);
    if ((picture.width() > picture.height()) != (wMax > hMax))
        std::swap(wMax, hMax);
    if (picture.width() <= wMax && picture.height() <= hMax)
        return 1;
    return std::min(double(wMax) / picture.width(), double(hMax) / picture.height());
}

std::optional<QSizeF> StagePictures::imageSize(const clsDisplay& object) const
{
    if (!isActive() || object.dObjType() != clsDisplay::Image)
        return std::nullopt;
    const PictureLibrary::Resolved& resolved = m_library->resolve(object.filename(), false);
    const QSize pixels = resolved.drawn.isEmpty() ? QSize() : m_library->cache().size(resolved.drawn);
    if (pixels.isEmpty())
        return std::nullopt;
    return QSizeF(pixels) * newImageScale(pixels, m_library->project().devicePixels);
}

void StagePictures::dress(StageItem& item, const clsDisplay& object) const
{
    if (!isActive() || !isImage(object) || object.filename().trimmed().isEmpty())
        return;
    const bool imageRect = object.dObjType() == clsDisplay::ImageRect;
    const PictureLibrary::Resolved& resolved = m_library->resolve(object.filename(), imageRect);
    item.picture = resolved.drawn;
    item.missing = resolved.lookup.status == PictureLocator::Status::Missing;
    if (item.missing) {
        item.toolTip = QStringLiteral("%1 is not in the project folder").arg(object.filename());
        item.label.setText(QStringLiteral("missing"));
        item.label.prepare(QTransform(), StageGeometry::placeholderFont());
    } else if (!resolved.suffix.isEmpty()) {
        item.toolTip =
            QStringLiteral("%1, for the content scale %2")
                .arg(resolved.drawnName, QString::number(m_library->project().contentScale, 'g', 3));
    } else {
        item.toolTip = resolved.drawnName.isEmpty() ? resolved.lookup.relative : resolved.drawnName;
    }
}

const QPixmap* StagePictures::pixmap(const StageItem& item, qreal pixel) const
{
    if (item.picture.isEmpty() || !m_library)
        return nullptr;
    return m_library->cache().pixmap(item.picture, item.bounds.size() / std::max(pixel, 1e-6));
}

void StagePictures::beginFrame() const
{
    if (m_library)
        m_library->cache().beginFrame();
}
