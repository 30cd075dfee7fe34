#include "WorkspaceFiles.h"

#include "DocumentWriter.h"
#include "DocumentWriters.h"
#include "FileDialog.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "MessageBox.h"
#include "ProjectFolder.h"
#include "SnippetCollector.h"
#include "WorkspaceDocument.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString caption = QStringLiteral("Quillet");
const QString workspaceFilter = QStringLiteral("Quillet workspaces (*.quillet);;All files (*)");
const QString recentKey = QStringLiteral("files/recent");
const QString folderKey = QStringLiteral("files/lastFolder");

QString shown(const QString& path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace

WorkspaceFiles::WorkspaceFiles(WorkspaceDocument* document, QWidget* window)
    : QObject(window), m_document(document), m_window(window)
{
}

void WorkspaceFiles::keepWindowTitle()
{
    const auto update = [this] {
        const QString fileName = m_document->fileName();
        m_window->setWindowTitle(windowTitle(fileName));
        // Without a file the caption has no place for the mark.
        m_window->setWindowModified(!fileName.isEmpty() && m_document->isModified());
    };
    connect(m_document, &WorkspaceDocument::fileNameChanged, this, update);
    connect(m_document, &WorkspaceDocument::modifiedChanged, this, update);
}

QString WorkspaceFiles::windowTitle(const QString& fileName)
{
    if (fileName.isEmpty())
        return caption;
    return QFileInfo(fileName).fileName() + QStringLiteral("[*] - ") + caption;
}

bool WorkspaceFiles::newWorkspace()
{
    if (!maySetAside())
        return false;
    m_document->reset();
    m_document->setProjectLink(ProjectLink());
    m_document->setFileName(QString());
    return true;
}

bool WorkspaceFiles::open()
{
    if (!maySetAside())
        return false;
    const QString path = fileDialog()->getOpenFileName(m_window, QStringLiteral("Open Workspace"),
                                                       startFolder(), workspaceFilter);
    return !path.isEmpty() && load(path);
}

bool WorkspaceFiles::openFile(const QString& path)
{
    // A recent file that has gone cannot replace anything: the user learns that at once,
    // not after being asked about changes that stay either way.
    if (!QFileInfo::exists(path))
        return load(path);
    return maySetAside() && load(path);
}

bool WorkspaceFiles::load(const QString& path)
{
    WorkspaceReader::Result read = WorkspaceReader::readFile(path);
    if (!read.ok()) {
        MessageBox::critical(m_window, caption,
                             QStringLiteral("Cannot open %1:\n%2").arg(shown(path), read.problem));
        // A recent entry whose file is gone would fail the same way every time.
        if (!QFileInfo::exists(path))
            forget(path);
        return false;
    }
    m_document->reset(std::move(read.objects));
    m_document->setProjectLink(read.project);
    m_document->setFileName(QFileInfo(path).absoluteFilePath());
    remember(path);
    emit opened();
    // The objects are usable without their game; the link stays for when it is back.
    if (read.project.choice == ProjectLink::Choice::Folder && !QFileInfo(read.project.folder).isDir())
        emit noteRequested(QStringLiteral("Project folder %1 not found").arg(read.projectText));
    return true;
}

bool WorkspaceFiles::save()
{
    if (m_document->fileName().isEmpty())
        return saveAs();
    return saveTo(m_document->fileName());
}

bool WorkspaceFiles::saveAs()
{
    const QString current = m_document->fileName();
    const QString suggested =
        current.isEmpty() ? QDir(startFolder()).filePath(QStringLiteral("untitled.quillet")) : current;
    const QString path = fileDialog()->getSaveFileName(m_window, QStringLiteral("Save Workspace As"),
                                                       suggested, workspaceFilter, QStringLiteral("quillet"));
    return !path.isEmpty() && saveTo(path);
}

bool WorkspaceFiles::saveTo(const QString& path)
{
    const QString error = writeFile(
        path, WorkspaceWriter::write(m_document->objects().objects(), m_document->projectLink(), path));
    if (!error.isEmpty()) {
        MessageBox::critical(m_window, caption,
                             QStringLiteral("Cannot save %1:\n%2").arg(shown(path), error));
        return false;
    }
    m_document->setFileName(QFileInfo(path).absoluteFilePath());
    m_document->markSaved();
    remember(path);
    return true;
}

bool WorkspaceFiles::exportLua(GraphicsApi api, const QString& noteEnd)
{
    return exportDocument(*DocumentWriters::all().constFirst(), api, noteEnd);
}

bool WorkspaceFiles::exportDocument(const DocumentWriter& writer, GraphicsApi api, const QString& noteEnd)
{
    const LuaTarget* target = LuaTargets::find(api);
    if (!target)
        return false;
    const QString current = m_document->fileName();
    const QString suffix = QStringLiteral(".") + writer.suffix();
    const QString suggested =
        current.isEmpty() ? QDir(startFolder()).filePath(writer.untitledName() + suffix)
                          : QFileInfo(current).dir().filePath(QFileInfo(current).completeBaseName() + suffix);
    // What would be written is known before the dialog: an empty file would only look like a
    // successful export.
    const QList<const ModelObject*> objects = m_document->objects().objects();
    SnippetCollector::Result result = writer.write(objects, *target, suggested);
    if (result.copied == 0) {
        emit noteRequested(QStringLiteral("No snippet to export"));
        return false;
    }
    const QString path = fileDialog()->getSaveFileName(
        m_window, writer.dialogTitle(), suggested, writer.nameFilter() + QStringLiteral(";;All files (*)"),
        writer.suffix());
    if (path.isEmpty())
        return false;
    // A scene is named after its file.
    if (QFileInfo(path).completeBaseName() != QFileInfo(suggested).completeBaseName())
        result = writer.write(objects, *target, path);
    const QString error = writeFile(path, result.text.toUtf8());
    if (!error.isEmpty()) {
        MessageBox::critical(m_window, caption,
                             QStringLiteral("Cannot export to %1:\n%2").arg(shown(path), error));
        return false;
    }
    QSettings().setValue(folderKey, QFileInfo(path).absolutePath());
    emit noteRequested(SnippetCollector::exportNote(result, QFileInfo(path).fileName()) + noteEnd);
    return true;
}

bool WorkspaceFiles::chooseProjectFolder()
{
    const QString current = projectFolderFor(m_document->projectLink(), m_document->fileName());
    const QString start = !current.isEmpty() ? current
                          : !m_document->fileName().isEmpty()
                              ? QFileInfo(m_document->fileName()).absolutePath()
                              : startFolder();
    const QString folder =
        fileDialog()->getExistingDirectory(m_window, QStringLiteral("Project Folder"), start);
    if (folder.isEmpty())
        return false;
    m_document->changeProjectLink({ProjectLink::Choice::Folder, QDir(folder).absolutePath()});
    return true;
}

void WorkspaceFiles::clearProjectFolder()
{
    m_document->changeProjectLink({ProjectLink::Choice::None, QString()});
}

QString WorkspaceFiles::projectFolderFor(const ProjectLink& link, const QString& fileName)
{
    switch (link.choice) {
    case ProjectLink::Choice::Folder:
        return QFileInfo(link.folder).isDir() ? link.folder : QString();
    case ProjectLink::Choice::None:
        return QString();
    case ProjectLink::Choice::Automatic:
        break;
    }
    return ProjectFolder::findFor(fileName);
}

bool WorkspaceFiles::mayClose()
{
    // A workspace never saved or opened closes as it always has: at once, without a question.
    if (m_document->fileName().isEmpty())
        return true;
    return maySetAside();
}

bool WorkspaceFiles::maySetAside()
{
    if (!m_document->isModified())
        return true;
    const QString name = m_document->fileName().isEmpty()
                             ? QStringLiteral("the new workspace")
                             : shown(QFileInfo(m_document->fileName()).fileName());
    switch (MessageBox::askSaveDiscardCancel(
        m_window, caption, QStringLiteral("Do you want to save the changes to %1?").arg(name))) {
    case MessageBox::Answer::Save:
        return save();
    case MessageBox::Answer::Discard:
        return true;
    default: // Cancel
        break;
    }
    return false;
}

QString WorkspaceFiles::writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A short write (a full disk) fails without a reason of its own.
    const auto reason = [&file] {
        const QString text = file.errorString();
        return text.isEmpty() || file.error() == QFileDevice::NoError
                   ? QStringLiteral("not all of it could be written; the disk may be full")
                   : text;
    };
    // commit() closes the file without noticing that the last buffered bytes did not fit, so
    // they are flushed first, where a short write is seen.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = reason();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return reason();
    return QString();
}

QStringList WorkspaceFiles::recentFiles() const
{
    QStringList files = QSettings().value(recentKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, recentCount);
}

void WorkspaceFiles::clearRecentFiles()
{
    QSettings().remove(recentKey);
    emit recentFilesChanged();
}

void WorkspaceFiles::remember(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    QSettings settings;
    settings.setValue(recentKey, files.mid(0, recentCount));
    settings.setValue(folderKey, QFileInfo(absolute).absolutePath());
    emit recentFilesChanged();
}

void WorkspaceFiles::forget(const QString& path)
{
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) == 0)
        return;
    QSettings().setValue(recentKey, files);
    emit recentFilesChanged();
}

QString WorkspaceFiles::startFolder() const
{
    const QString folder = QSettings().value(folderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
