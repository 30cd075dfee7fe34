#include "PictureLocator.h"

#include <QDir>
#include <QFileInfo>

void PictureLocator::setFolder(const QString& folder)
{
    m_folder = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
    m_canonicalFolder = m_folder.isEmpty() ? QString() : QFileInfo(m_folder).canonicalFilePath();
    m_listings.clear();
}

void PictureLocator::forget(const QString& folder)
{
    if (folder.isEmpty())
        m_listings.clear();
    else
        m_listings.remove(QDir::cleanPath(folder));
}

QString PictureLocator::normalized(const QString& filename)
{
    QString name = filename;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return QString();
        parts << part;
    }
    // A name starting with "/" would be read from the root of the disk, not the game.
    if (name.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(name))
        return QString();
    return parts.join(QLatin1Char('/'));
}

const QStringList& PictureLocator::entries(const QString& folder) const
{
    auto it = m_listings.find(folder);
    if (it == m_listings.end())
        it = m_listings.insert(folder, QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                              QDir::NoDotAndDotDot));
    return *it;
}

PictureLocator::Lookup PictureLocator::find(const QString& filename) const
{
    Lookup lookup;
    const QString name = normalized(filename);
    if (m_folder.isEmpty() || name.isEmpty())
        return lookup;
    QString at = m_folder;
    QStringList onDisk;
    bool exact = true;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        // A folder linked from elsewhere is not looked into.
        if (at != m_folder && !isInside(at))
            return lookup;
        const QStringList& listing = entries(at);
        QString match;
        if (listing.contains(part)) {
            match = part;
        } else {
            for (const QString& entry : listing) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    exact = false;
                    break;
                }
            }
        }
        if (match.isEmpty())
            return lookup;
        onDisk << match;
        at += QLatin1Char('/') + match;
    }
    // A link may point anywhere, and only a plain file can be read without waiting on it.
    if (!QFileInfo(at).isFile() || !isInside(at))
        return lookup;
    lookup.status = exact ? Status::Found : Status::CaseOnly;
    lookup.path = at;
    lookup.relative = onDisk.join(QLatin1Char('/'));
    return lookup;
}

bool PictureLocator::isInside(const QString& path) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !m_canonicalFolder.isEmpty() && !canonical.isEmpty() &&
           (canonical == m_canonicalFolder || canonical.startsWith(m_canonicalFolder + QLatin1Char('/')));
}

QStringList PictureLocator::foldersOf(const QString& filename) const
{
    QStringList folders;
    const QString name = normalized(filename);
    if (m_folder.isEmpty() || name.isEmpty())
        return folders;
    QString at = m_folder;
    folders << at;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        at += QLatin1Char('/') + parts.at(i);
        folders << at;
    }
    return folders;
}

std::optional<QString> PictureLocator::relativeInside(const QString& folder, const QString& path)
{
    if (folder.isEmpty() || path.isEmpty())
        return std::nullopt;
    const auto canonical = [](const QString& p) {
        const QString c = QFileInfo(p).canonicalFilePath();
        return c.isEmpty() ? QDir::cleanPath(QFileInfo(p).absoluteFilePath()) : c;
    };
    const QString relative = QDir(canonical(folder)).relativeFilePath(canonical(path));
    if (relative.isEmpty() || relative == QLatin1String(".") || relative.startsWith(QLatin1String("../")) ||
        relative == QLatin1String("..") || QDir::isAbsolutePath(relative))
        return std::nullopt;
    return relative;
}

bool PictureLocator::isLoadable(const QString& filename)
{
    const QString suffix = QFileInfo(filename).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
           suffix == QLatin1String("jpeg");
}
