#include "RecoveryKeeper.h"

#include "RecoveryCopy.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <memory>

namespace {

// Far beyond any workspace Quillet writes; a bigger file is not read into memory.
constexpr qint64 largestCopy = qint64(1) << 30;

QString objectCount(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 object") : QStringLiteral("%1 objects").arg(count);
}

RecoveryCopy::Result readCopy(const QString& path)
{
    RecoveryCopy::Result result;
    QFile file(path);
    if (file.size() > largestCopy)
        result.problem = QStringLiteral("the file is too large");
    else if (!file.open(QIODevice::ReadOnly))
        result.problem = file.errorString();
    else
        result = RecoveryCopy::read(file.readAll());
    return result;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(WorkspaceDocument* document, const QString& folder, QObject* parent)
    : QObject(parent), m_document(document), m_store(folder)
{
    m_writer = new QObject;
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("recovery"));
    m_thread.start(QThread::LowPriority);

    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, [this] { keep(false); });
    connect(document, &WorkspaceDocument::objectsChanged, this, &RecoveryKeeper::documentChanged);
    connect(document, &WorkspaceDocument::fileNameChanged, this, &RecoveryKeeper::documentChanged);
    connect(document, &WorkspaceDocument::modifiedChanged, this, &RecoveryKeeper::documentChanged);
    connect(document, &WorkspaceDocument::projectLinkChanged, this, &RecoveryKeeper::documentChanged);
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_thread.quit();
    m_thread.wait();
}

bool RecoveryKeeper::wantsCopy() const
{
    if (m_document->fileName().isEmpty())
        return !m_document->objects().isEmpty();
    return m_document->isModified();
}

QString RecoveryKeeper::restore()
{
    QStringList notes;
    QStringList tried;
    for (QString path = m_store.claimNewestOrphan(); !path.isEmpty();
         path = m_store.claimNewestOrphan(tried)) {
        tried << path;
        RecoveryCopy::Result read = readCopy(path);
        if (!read.ok()) {
            const QString kept = m_store.setAside(path);
            notes << QStringLiteral("A recovery copy cannot be read (%1); it is kept as %2")
                         .arg(read.problem, QFileInfo(kept).fileName());
            continue;
        }
        RecoveryCopy& copy = *read.copy;
        const qsizetype count = qsizetype(copy.objects.size());
        const QScopedValueRollback<bool> quiet(m_stopped, true);
        m_document->reset(std::move(copy.objects));
        m_document->setFileName(copy.fileName);
        m_document->setProjectLink(copy.project);
        if (copy.modified)
            m_document->markModified();
        // The copy stays until this keeper's own copy replaces it, soon, as one still at work.
        m_mayExist = true;
        m_timer.start();
        notes << (copy.closed ? QStringLiteral("Restored %1 from the last session").arg(objectCount(count))
                              : QStringLiteral("Recovered %1 after Quillet stopped unexpectedly")
                                    .arg(objectCount(count)));
        break;
    }
    return notes.join(QStringLiteral("; "));
}

void RecoveryKeeper::documentChanged()
{
    if (m_stopped)
        return;
    if (!wantsCopy()) {
        drop();
        return;
    }
    // Not restarted by later changes: a steady stream of them must not hold the copy back.
    if (!m_timer.isActive())
        m_timer.start();
}

void RecoveryKeeper::keep(bool closed)
{
    m_timer.stop();
    QString error;
    const QString path = m_store.ownCopy(&error);
    if (path.isEmpty()) {
        written(error);
        return;
    }
    // The snapshot is all the window waits for; the bytes are made and written on the thread.
    auto copy = std::make_shared<RecoveryCopy>();
    copy->objects.reserve(size_t(m_document->objects().count()));
    for (const ModelObject* object : m_document->objects().objects())
        copy->objects.push_back(object->clone());
    copy->fileName = m_document->fileName();
    copy->modified = m_document->isModified();
    copy->project = m_document->projectLink();
    copy->closed = closed;
    m_mayExist = true;
    QMetaObject::invokeMethod(
        m_writer,
        [this, copy, path] {
            const QString error = WorkspaceFiles::writeFile(path, copy->write());
            QMetaObject::invokeMethod(
                this, [this, error] { written(error); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RecoveryKeeper::drop()
{
    m_timer.stop();
    if (!m_mayExist)
        return;
    m_mayExist = false;
    QString error;
    const QString path = m_store.ownCopy(&error);
    if (!path.isEmpty())
        QMetaObject::invokeMethod(
            m_writer, [path] { QFile::remove(path); }, Qt::QueuedConnection);
}

void RecoveryKeeper::written(const QString& error)
{
    if (error.isEmpty()) {
        m_failureShown = false;
        return;
    }
    if (!m_failureShown)
        emit noteRequested(QStringLiteral("Cannot keep a recovery copy: ") + error);
    m_failureShown = true;
}

void RecoveryKeeper::flush()
{
    QMetaObject::invokeMethod(
        m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void RecoveryKeeper::closing()
{
    if (m_stopped)
        return;
    if (m_document->fileName().isEmpty() && wantsCopy())
        keep(true);
    else
        drop();
    m_stopped = true;
    flush();
}
