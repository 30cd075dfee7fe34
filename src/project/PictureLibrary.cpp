#include "PictureLibrary.h"

#include "SuffixChooser.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {

// Changes come in bursts (a save, a folder copied in, a hundred decodes): one look per burst.
constexpr int settleMilliseconds = 100;

} // namespace

PictureLibrary::PictureLibrary(QObject* parent) : QObject(parent), m_watcher(new QFileSystemWatcher(this))
{
    for (QTimer* timer : {&m_checksTimer, &m_picturesTimer}) {
        timer->setSingleShot(true);
        timer->setInterval(settleMilliseconds);
    }
    connect(&m_checksTimer, &QTimer::timeout, this, &PictureLibrary::checksChanged);
    connect(&m_picturesTimer, &QTimer::timeout, this, &PictureLibrary::picturesChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &PictureLibrary::filesChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &PictureLibrary::filesChanged);
    connect(&m_cache, &PictureCache::loaded, this, &PictureLibrary::decoded);
}

void PictureLibrary::setProject(const ProjectContext& project)
{
    if (project == m_project)
        return;
    if (project.folder != m_project.folder) {
        m_locator.setFolder(project.folder);
        m_cache.clear();
        if (!m_watched.isEmpty())
            m_watcher->removePaths(QStringList(m_watched.cbegin(), m_watched.cend()));
        m_watched.clear();
    }
    m_project = project;
    forgetResolved();
    emit checksChanged();
}

const PictureLibrary::Resolved& PictureLibrary::resolve(const QString& filename, bool imageRect)
{
    QHash<QString, Resolved>& known = m_resolved[imageRect ? 1 : 0];
    const auto found = known.constFind(filename);
    if (found != known.cend())
        return *found;

    Resolved resolved;
    if (isActive() && !filename.trimmed().isEmpty()) {
        resolved.lookup = m_locator.find(filename);
        for (const QString& folder : m_locator.foldersOf(filename))
            watch(folder);
        const bool loadable = PictureLocator::isLoadable(filename);
        if (resolved.lookup.status != PictureLocator::Status::Missing && loadable) {
            resolved.drawn = resolved.lookup.path;
            resolved.drawnName = resolved.lookup.relative;
            // newImage loads the name as given; newImageRect may take a suffixed file.
            if (imageRect) {
                const SuffixChooser::Choice choice =
                    SuffixChooser::choose(m_project, resolved.lookup.relative, [this](const QString& name) {
                        return m_locator.find(name).status == PictureLocator::Status::Found;
                    });
                if (!choice.suffix.isEmpty()) {
                    resolved.drawnName = choice.filename;
                    resolved.drawn = m_locator.find(choice.filename).path;
                    resolved.suffix = choice.suffix;
                }
            }
            watch(resolved.drawn);
            m_cache.request(resolved.drawn);
        }
        const bool unreadable = !resolved.lookup.path.isEmpty() &&
                                m_cache.state(resolved.lookup.path) == PictureCache::State::Failed;
        resolved.problems = PictureChecks::check(filename, imageRect, resolved.lookup, unreadable);
    }
    return *known.insert(filename, resolved);
}

void PictureLibrary::forgetResolved()
{
    m_resolved[0].clear();
    m_resolved[1].clear();
}

void PictureLibrary::watch(const QString& path)
{
    if (path.isEmpty() || m_watched.contains(path) || !m_locator.isInside(path))
        return;
    if (m_watcher->addPath(path))
        m_watched.insert(path);
}

void PictureLibrary::filesChanged(const QString& path)
{
    m_locator.forget(path);
    m_cache.invalidate(path);
    // A file saved by replacing it is a new file, which the watcher no longer follows.
    if (!m_watcher->files().contains(path) && !m_watcher->directories().contains(path)) {
        m_watched.remove(path);
        if (QFileInfo::exists(path))
            watch(path);
    }
    forgetResolved();
    m_checksTimer.start();
}

void PictureLibrary::decoded(const QString& path)
{
    // Only a failed decode changes what the checks say.
    if (m_cache.state(path) == PictureCache::State::Failed) {
        forgetResolved();
        m_checksTimer.start();
    }
    m_picturesTimer.start();
}
