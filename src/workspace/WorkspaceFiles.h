#pragma once

#include "GraphicsApi.h"
#include "ProjectLink.h"

#include <QObject>
#include <QString>
#include <QStringList>

class DocumentWriter;
class QWidget;
class WorkspaceDocument;

// The File commands on one document: New, Open, Save, Save As, Export Lua, the recent files
// and the question before unsaved changes are dropped. Boxes and file dialogs go through the
// platform layer, with the window as their parent.
class WorkspaceFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int recentCount = 8;

    WorkspaceFiles(WorkspaceDocument* document, QWidget* window);

    // Each returns whether it went through; a cancelled question or dialog changes nothing.
    bool newWorkspace();
    bool open(); // asks for the file
    // A file that cannot be used is reported and leaves the workspace as it was.
    bool openFile(const QString& path);
    bool save(); // Save As while the workspace belongs to no file
    bool saveAs();
    // Asks where, then writes the workspace in the writer's format for the API; noteEnd closes
    // the note that confirms the export.
    bool exportDocument(const DocumentWriter& writer, GraphicsApi api, const QString& noteEnd = QString());
    // Export Lua, the first format.
    bool exportLua(GraphicsApi api, const QString& noteEnd = QString());
    // Project Folder...: asks for the game's folder and ties the workspace to it, an undo step.
    bool chooseProjectFolder();
    // Clear Project Folder: ties the workspace to no folder, an undo step.
    void clearProjectFolder();
    // The game folder a workspace works with: the chosen one while it exists, or the nearest
    // one holding main.lua above the workspace's file when no choice was made; empty for none.
    static QString projectFolderFor(const ProjectLink& link, const QString& fileName);
    // Whether the window may close now. A workspace that belongs to no file closes at once;
    // one that does asks before its unsaved changes go.
    bool mayClose();

    QStringList recentFiles() const;
    void clearRecentFiles();

    // From now on the window's title names the document's file and marks unsaved changes.
    void keepWindowTitle();
    // "hero.quillet[*] - Quillet"; "Quillet" for a workspace that belongs to no file.
    static QString windowTitle(const QString& fileName);
    // Writes bytes to path atomically: on failure the old file is left whole and the reason
    // is returned; the empty text on success.
    static QString writeFile(const QString& path, const QByteArray& bytes);

signals:
    void recentFilesChanged();
    // A short confirmation for the status bar ("Exported 3 snippets to game.lua").
    void noteRequested(const QString& text);
    // A workspace file was opened (not saved under another name).
    void opened();

private:
    // Save / Discard / Cancel when there are unsaved changes; false when the step must stop.
    bool maySetAside();
    bool load(const QString& path);
    bool saveTo(const QString& path);
    void remember(const QString& path);
    void forget(const QString& path);
    QString startFolder() const;

    WorkspaceDocument* m_document;
    QWidget* m_window;
};
