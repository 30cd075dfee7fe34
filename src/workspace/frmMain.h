#pragma once

#include "GraphicsApi.h"
#include "ObjectSink.h"
#include "ProjectContext.h"

#include <QMainWindow>

class CodePane;
class ContextMenu;
class EditMenu;
class GraphicsTarget;
class PictureLibrary;
class QAction;
class QComboBox;
class QTreeWidgetItem;
class RecoveryKeeper;
class StageDock;
class WorkspaceDocument;
class WorkspaceFiles;
class WorkspaceStatusBar;
class WorkspaceToolbar;
class WorkspaceTree;

// The startup window: the objects of this run in a tree, the selected one's Lua in the
// code pane, and the commands that open the editors.
class frmMain : public QMainWindow, public ObjectSink
{
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Called by the editors, while still open, with each object the user confirmed.
    void addObject(std::unique_ptr<ModelObject> object) override;
    // The graphics API that every snippet the window writes is for.
    GraphicsApi currentApi() const;
    // Opens a workspace file, as File > Open does once the file is chosen (the command line).
    bool openFile(const QString& path);
    // The game behind the workspace: the stage, the picture checks and the editors follow it.
    void applyProjectContext(const ProjectContext& project);
    const ProjectContext& projectContext() const { return m_project; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct WorkspaceBench; // fills a full-size workspace without a rebuild per object

    void connectDocument();
    void createMenuBar();
    void createStage();
    void createTarget();
    void project_Tied(int graphicsCompatibility);

    void createControls();
    void createToolbar();
    void createContextMenu();

    void Form_Load();
    void Form_Resize();
    void RefreshTree();
    void selectObject(qsizetype position);
    void updateEditEnabled();
    void showCheck(const ModelObject& object, const QString& snippet);
    // The check line and the tree's marks again, after the game's files changed.
    void refreshPictureChecks();

    void tv1_Click();
    void tv1_NodeClick(QTreeWidgetItem* node);
    void tv1_SelectionChanged();
    void DeleteSelectedObject();
    void EditSelectedObject();
    void editObjectAt(qsizetype position);
    // What the toolbar's commands end with: the tree built anew, Delete off, and the last
    // object an editor added selected.
    void commandDone();
    void mnuDisp_Click();
    void mnuAlert_Click();
    void mnuTrans_Click();
    void mnuAbout_Click();
    void mnuCopyAll_Click();
    void CopySnippet();

    WorkspaceDocument* m_document = nullptr;
    ProjectContext m_project;
    PictureLibrary* m_pictures = nullptr;

    WorkspaceTree* tv1 = nullptr;
    CodePane* m_codePane = nullptr;
    WorkspaceToolbar* Toolbar1 = nullptr;
    QAction* m_deleteButton = nullptr;
    QComboBox* cboTarget = nullptr;
    GraphicsTarget* m_target = nullptr;
    WorkspaceStatusBar* StatusBar1 = nullptr;
    ContextMenu* mnuContext = nullptr;
    WorkspaceFiles* m_files = nullptr;
    QAction* mnuEdit = nullptr;
    EditMenu* m_editMenu = nullptr;
    StageDock* m_stageDock = nullptr;
    RecoveryKeeper* m_recovery = nullptr;
    bool m_rebuilding = false;
    qsizetype m_lastAdded = 0; // the position of the object an editor added last; 0 for none
};
