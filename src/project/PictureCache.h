#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QThreadPool>

// Decoded pictures, read off the UI thread, each file once however many objects show it.
// Pictures larger than the stage can show are kept scaled down; the least recently drawn go
// first when the memory budget is spent, but never one the last frame drew.
class PictureCache : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 defaultBudget = qint64(256) << 20;
    static constexpr int largestSide = 2048;

    enum class State
    {
        Unknown, // never asked for, forgotten, or given up for memory
        Loading,
        Ready,
        Failed // not a picture QImageReader can decode
    };

    explicit PictureCache(QObject* parent = nullptr);
    ~PictureCache() override;

    // Starts decoding the file unless it is loaded or on its way.
    void request(const QString& path);
    State state(const QString& path) const;
    // The file's own pixel size, once decoded.
    QSize size(const QString& path) const;
    // The picture to draw, or nullptr; counts as drawn in the current frame, and a picture
    // given up for memory is read again. With the size it is shown at, in device pixels, the
    // smallest of its halved copies that still covers it: far quicker to draw small.
    const QPixmap* pixmap(const QString& path, QSizeF shown = QSizeF());
    // A paint begins: pictures drawn from now on belong to the new frame.
    void beginFrame() { ++m_frame; }
    // The file changed on disk: it is read again when next asked for, and its old picture is
    // drawn until then.
    void invalidate(const QString& path);
    void clear();

    void setBudget(qint64 bytes) { m_budget = bytes; }
    qint64 bytes() const { return m_bytes; }
    // Waits for every decode under way and takes in the results (benchmarks and tests).
    void waitForDone();

signals:
    // A decode ended, well or not.
    void loaded(const QString& path);

private:
    struct Entry
    {
        State state = State::Unknown;
        QSize size;
        QPixmap pixmap;
        QList<QPixmap> halves; // each half the one before, down to a few pixels
        quint64 used = 0;      // the last frame that drew it
        quint64 ticket = 0;    // the decode whose result is awaited
    };
    void take(const QString& path, quint64 ticket, const QList<QImage>& images, QSize size);
    static qint64 costOf(const Entry& entry);
    void evict(const QString& keep);

    QHash<QString, Entry> m_entries;
    QThreadPool m_pool;
    qint64 m_budget = defaultBudget;
    qint64 m_bytes = 0;
    quint64 m_frame = 1;
    quint64 m_tickets = 0;
};
