#pragma once

#include "PictureCache.h"
#include "PictureChecks.h"
#include "PictureLocator.h"
#include "ProjectContext.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

class QFileSystemWatcher;

// The game's pictures as the workspace uses them: where each name leads, which file the
// engine would load, what is wrong with it, and the decoded pictures. Watches the files in
// use and their folders, so that a change on disk shows at once. Without a project folder it
// finds nothing and checks nothing.
class PictureLibrary : public QObject
{
    Q_OBJECT
public:
    struct Resolved
    {
        PictureLocator::Lookup lookup; // of the name as written
        QString drawn;                 // absolute path of the file to draw; empty for none
        QString drawnName;             // its name relative to the folder
        QString suffix;                // the imageSuffix chosen, if any
        QList<PictureChecks::Problem> problems;
    };

    explicit PictureLibrary(QObject* parent = nullptr);

    void setProject(const ProjectContext& project);
    const ProjectContext& project() const { return m_project; }
    bool isActive() const { return m_project.hasFolder(); }

    // Kept until the name's files, the project or the disk change; the picture's decode starts.
    const Resolved& resolve(const QString& filename, bool imageRect);
    PictureCache& cache() { return m_cache; }

signals:
    // A file on disk or the project changed: the checks may read differently.
    void checksChanged();
    // Pictures became ready to draw.
    void picturesChanged();

private:
    void forgetResolved();
    void watch(const QString& path);
    void filesChanged(const QString& path);
    void decoded(const QString& path);

    ProjectContext m_project;
    PictureLocator m_locator;
    PictureCache m_cache;
    QFileSystemWatcher* m_watcher;
    QSet<QString> m_watched;
    QHash<QString, Resolved> m_resolved[2]; // by name, for newImage and newImageRect
    QTimer m_checksTimer;
    QTimer m_picturesTimer;
};
