#pragma once

#include <QMenu>

class DocumentWriter;
class WorkspaceFiles;

// The File menu: new, open, the recent files, save, the project folder, export and quit.
class FileMenu : public QMenu
{
    Q_OBJECT
public:
    // Quit closes window.
    FileMenu(WorkspaceFiles* files, QWidget* window);

Q_SIGNALS:
    // An export format's entry: the window knows the graphics target and the pictures its
    // note counts.
    void exportRequested(const DocumentWriter* writer);

private:
    void fillRecentMenu();

    WorkspaceFiles* m_files;
    QMenu* mnuRecent = nullptr;
};
