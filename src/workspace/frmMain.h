#pragma once

#include "GraphicsApi.h"
#include "ObjectSink.h"
#include "ProjectContext.h"

#include <QMainWindow>

class GraphicsTarget;
class PictureLibrary;
class ElidedLabel;
class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QsciScintilla;
class QStatusBar;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class RecoveryKeeper;
class StageDock;
class WorkspaceDocument;
class WorkspaceFiles;

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
    void createFileMenu();
    void fillRecentMenu();
    void updateTitle();
    void createEditMenu();
    // The workspace's undo and redo keys act while this view or a child of it has the focus;
    // elsewhere (the code pane) the keys stay the widget's own.
    void addWorkspaceShortcuts(QWidget* view);
    // A menu entry for a toolbar button: it triggers the button, is enabled with it and takes
    // over its key.
    QAction* addButtonEntry(QMenu* menu, QAction* button, const char* name, const QString& text);
    void createStage();
    void updateStage();
    void stage_MoveRequested(qsizetype position, qint32 newX, qint32 newY);
    // Ties the stage to the workspace's game folder, once the document's change is complete;
    // again: after an open, when even the same folder is tied anew.
    void updateProject(bool again = false);
    void project_Tied(int graphicsCompatibility);

    void createControls();
    void createToolbar();
    void createStatusBar();
    void createContextMenu();

    void createCheckLine();

    void Form_Load();
    // The size, place and dock layout the last run ended with, where they still fit the screens.
    void restoreWindow();
    void saveWindow() const;
    void Form_Resize();
    void RefreshTree();
    void setDeleteEnabled(bool enabled);
    QTreeWidgetItem* selectedNode() const;
    void selectObject(qsizetype position);
    void updateEditEnabled();
    void showSnippet(const ModelObject& object, const QString& snippet);
    void clearPane();
    void showCheck(const ModelObject& object, const QString& snippet);
    // The check line and the tree's marks again, after the game's files changed.
    void refreshPictureChecks();
    void showNoSnippet(const QString& reason);
    // severity: "error", "warning" or "note"; tests and styles read it from the label.
    void showCheckLine(const QString& html, const QString& severity);
    void clearCheck();
    void showNote(const QString& text);

    void tv1_Click();
    void tv1_NodeClick(QTreeWidgetItem* node);
    void tv1_SelectionChanged();
    void tv1_MouseDown(Qt::MouseButton button, const QPoint& position);
    void DeleteSelectedObject();
    void EditSelectedObject();
    void editObjectAt(qsizetype position);
    // After an editor closed: the tree again, with the object it added selected.
    void afterEditor(qsizetype countBefore);
    void Toolbar1_ButtonClick(const QAction* button);
    void mnuDisp_Click();
    void mnuAlert_Click();
    void mnuTrans_Click();
    void mnuAbout_Click();
    void mnuCopyAll_Click();
    void CopySnippet();
    void StatusBar1_PanelClick(const QLabel* panel);
    bool txtCode_KeyPress(const QKeyEvent* event);

    WorkspaceDocument* m_document = nullptr;
    ProjectContext m_project;
    PictureLibrary* m_pictures = nullptr;

    QTreeWidget* tv1 = nullptr;
    QsciScintilla* txtCode = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QAction* m_deleteButton = nullptr;
    QAction* m_copyButton = nullptr;
    QComboBox* cboTarget = nullptr;
    GraphicsTarget* m_target = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    ElidedLabel* lblNote = nullptr; // brief confirmations, beside the status bar's panels
    QTimer* m_noteTimer = nullptr;
    QString m_startNote;        // the note shown at the start, until another joins it
    QLabel* lblCheck = nullptr; // what Lua says about the snippet in the pane
    QMenu* mnuContext = nullptr;
    WorkspaceFiles* m_files = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QAction* actEdit = nullptr;
    QAction* actDeleteObject = nullptr;
    StageDock* m_stageDock = nullptr;
    RecoveryKeeper* m_recovery = nullptr;
    bool m_rebuilding = false;
};
