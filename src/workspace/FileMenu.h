#pragma once

#include <QMenu>

class WorkspaceFiles;

// The File menu: new, open, the recent files, save, the project folder, export and quit.
class FileMenu : public QMenu
{
    Q_OBJECT
public:
    // Quit closes window.
    FileMenu(WorkspaceFiles* files, QWidget* window);

Q_SIGNALS:
    // Export Lua: the window knows the graphics target and the pictures its note counts.
    void exportRequested();

private:
    void fillRecentMenu();

    WorkspaceFiles* m_files;
    QMenu* mnuRecent = nullptr;
};
