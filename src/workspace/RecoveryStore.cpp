#include "RecoveryStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace {

QString lockPathFor(const QString& copyPath)
{
    return copyPath.chopped(qsizetype(qstrlen(RecoveryStore::suffix))) + QStringLiteral(".lock");
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : m_folder(folder) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

bool RecoveryStore::lock(const QString& copyPath)
{
    auto lock = std::make_unique<QLockFile>(lockPathFor(copyPath));
    // A lock is stale only when its process has gone, however long that process has run.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    release();
    m_lock = std::move(lock);
    m_path = copyPath;
    return true;
}

void RecoveryStore::release()
{
    m_lock.reset();
    m_path.clear();
}

QString RecoveryStore::claimNewestOrphan(const QStringList& skip)
{
    QDir dir(m_folder);
    // Newest first; a name breaks a tie so that every start picks the same one.
    QFileInfoList copies = dir.entryInfoList({QStringLiteral("*") + QLatin1String(suffix)}, QDir::Files);
    std::sort(copies.begin(), copies.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        return ta != tb ? ta > tb : a.fileName() > b.fileName();
    });
    for (const QFileInfo& copy : copies) {
        if (copy.absoluteFilePath() != m_path && !skip.contains(copy.absoluteFilePath()) &&
            lock(copy.absoluteFilePath()))
            return m_path;
    }
    return QString();
}

QString RecoveryStore::ownCopy(QString* error)
{
    if (m_lock)
        return m_path;
    if (!QDir().mkpath(m_folder)) {
        *error = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_folder));
        return QString();
    }
    const QString path =
        QDir(m_folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1String(suffix));
    if (!lock(path)) {
        *error = QStringLiteral("the lock beside the copy cannot be made in %1")
                     .arg(QDir::toNativeSeparators(m_folder));
        return QString();
    }
    return m_path;
}

QString RecoveryStore::setAside(const QString& path)
{
    QString broken = path + QStringLiteral(".broken");
    for (int i = 2; QFileInfo::exists(broken); ++i)
        broken = path + QStringLiteral(".%1.broken").arg(i);
    const QString kept = QFile::rename(path, broken) ? broken : path;
    if (path == m_path)
        release();
    return kept;
}
