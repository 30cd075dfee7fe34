#include "PictureCache.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPointer>

namespace {

// The smallest copy kept: below it, the one above is drawn.
constexpr int smallestHalf = 8;

// Runs on a pool thread: touches nothing but its own copies.
void decode(const QString& path, QImage* image, QSize* size)
{
    QImageReader reader(path);
    *size = reader.size();
    if (size->isValid() && std::max(size->width(), size->height()) > PictureCache::largestSide)
        reader.setScaledSize(
            size->scaled(PictureCache::largestSide, PictureCache::largestSide, Qt::KeepAspectRatio));
    *image = reader.read();
    if (image->isNull()) {
        // Too large to decode here is not unreadable: the engine scales it down. Its size
        // still places it; the stage shows its placeholder.
        const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
        const bool plausible = size->isValid() && size->width() <= 65535 && size->height() <= 65535;
        if (!plausible || limit <= 0 || qint64(size->width()) * size->height() * 4 <= limit)
            *size = QSize();
        return;
    }
    if (!size->isValid())
        *size = image->size();
    if (std::max(image->width(), image->height()) > PictureCache::largestSide)
        *image = image->scaled(
            image->size().scaled(PictureCache::largestSide, PictureCache::largestSide, Qt::KeepAspectRatio),
            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The format the raster engine draws fastest, so that the UI thread only wraps it.
    image->convertTo(image->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace

PictureCache::PictureCache(QObject* parent) : QObject(parent)
{
    // Leaves a core to the UI on small machines.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    m_pool.setThreadPriority(QThread::LowPriority);
}

PictureCache::~PictureCache()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PictureCache::request(const QString& path)
{
    Entry& entry = m_entries[path];
    if (entry.state == State::Loading || entry.state == State::Ready || entry.state == State::Failed)
        return;
    entry.state = State::Loading;
    entry.ticket = ++m_tickets;
    const quint64 ticket = entry.ticket;
    const QPointer<PictureCache> self(this);
    m_pool.start([self, path, ticket] {
        QImage image;
        QSize size;
        decode(path, &image, &size);
        QList<QImage> images{image};
        while (!image.isNull() && std::min(image.width(), image.height()) / 2 >= smallestHalf) {
            image = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            images.append(image);
        }
        // Handed to the UI thread; the cache may be gone by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, path, ticket, images, size] {
                if (self)
                    self->take(path, ticket, images, size);
            },
            Qt::QueuedConnection);
    });
}

qint64 PictureCache::costOf(const Entry& entry)
{
    qint64 cost = qint64(entry.pixmap.width()) * entry.pixmap.height() * 4;
    for (const QPixmap& half : entry.halves)
        cost += qint64(half.width()) * half.height() * 4;
    return cost;
}

void PictureCache::take(const QString& path, quint64 ticket, const QList<QImage>& images, QSize size)
{
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || it->ticket != ticket || it->state != State::Loading)
        return; // forgotten or asked for again meanwhile
    it->size = size;
    // What was shown while this decode ran goes now.
    m_bytes -= costOf(*it);
    it->pixmap = QPixmap();
    it->halves.clear();
    const QImage& image = images.constFirst();
    if (image.isNull()) {
        it->state = size.isValid() ? State::Ready : State::Failed;
    } else {
        it->state = State::Ready;
        it->pixmap = QPixmap::fromImage(image);
        for (qsizetype i = 1; i < images.size(); ++i)
            it->halves.append(QPixmap::fromImage(images.at(i)));
        it->used = m_frame;
        m_bytes += costOf(*it);
        evict(path);
    }
    emit loaded(path);
}

void PictureCache::evict(const QString& keep)
{
    while (m_bytes > m_budget) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->state != State::Loading && !it->pixmap.isNull() && it->used < m_frame &&
                it.key() != keep && (oldest == m_entries.end() || it->used < oldest->used))
                oldest = it;
        }
        if (oldest == m_entries.end())
            return; // all on screen: the screen needs them more than the budget
        m_bytes -= costOf(*oldest);
        oldest->pixmap = QPixmap();
        oldest->halves.clear();
        oldest->state = State::Unknown;
    }
}

PictureCache::State PictureCache::state(const QString& path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.cend() ? State::Unknown : it->state;
}

QSize PictureCache::size(const QString& path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.cend() ? QSize() : it->size;
}

const QPixmap* PictureCache::pixmap(const QString& path, QSizeF shown)
{
    const auto it = m_entries.find(path);
    if (it == m_entries.end())
        return nullptr;
    // Given up for memory, or changed on disk: read again, the old picture shown meanwhile.
    if (it->state == State::Unknown)
        request(path);
    if (it->pixmap.isNull())
        return nullptr;
    it->used = m_frame;
    const QPixmap* best = &it->pixmap;
    if (shown.isEmpty())
        return best;
    for (const QPixmap& half : it->halves) {
        if (half.width() < shown.width() || half.height() < shown.height())
            break;
        best = &half;
    }
    return best;
}

void PictureCache::invalidate(const QString& path)
{
    const auto it = m_entries.find(path);
    if (it != m_entries.end())
        it->state = State::Unknown; // its picture stays on screen until the new one is read
}

void PictureCache::clear()
{
    m_entries.clear();
    m_bytes = 0;
}

void PictureCache::waitForDone()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
}
