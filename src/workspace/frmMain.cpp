#include "frmMain.h"

#include "CheckLine.h"
#include "CodePane.h"
#include "ContextMenu.h"
#include "DocumentWriter.h"
#include "EditMenu.h"
#include "Editors.h"
#include "FileMenu.h"
#include "GraphicsTarget.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "ObjectTree.h"
#include "PictureLibrary.h"
#include "PictureMarks.h"
#include "PreferredFont.h"
#include "ProjectSession.h"
#include "RecoveryKeeper.h"
#include "SnippetAdvisor.h"
#include "SnippetCollector.h"
#include "StageDock.h"
#include "StageLink.h"
#include "StagePane.h"
#include "StageView.h"
#include "ViewMenu.h"
#include "WindowPlacement.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceLayout.h"
#include "WorkspaceStatusBar.h"
#include "WorkspaceToolbar.h"
#include "WorkspaceTree.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QScopedValueRollback>

#include <utility>

// Resources of a static library are only linked in when something asks for them.
static void initWorkspaceResources()
{
    Q_INIT_RESOURCE(workspace);
}

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    initWorkspaceResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowIcon(QIcon(QStringLiteral(":/quillet.svg")));
    setFont(PreferredFont::tahoma(8.25));
    // The main window's own menu would hide the toolbar for good, or the stage past its toggle.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_pictures = new PictureLibrary(this);

    createControls();
    createToolbar();
    StatusBar1 = new WorkspaceStatusBar(this);
    setStatusBar(StatusBar1);
    createContextMenu();
    setTabOrder(tv1, m_codePane->editor());
    connectDocument();
    createMenuBar();
    createStage();
    menuBar()->addMenu(new ViewMenu(cboTarget, m_stageDock, this));

    WindowPlacement::fitDesign(this, menuBar()->sizeHint().height() + Toolbar1->sizeHint().height(),
                               StatusBar1->sizeHint().height());
    m_stageDock->restore();
    WindowPlacement::restore(this, m_stageDock);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    // The panes are placed by Form_Resize, not by a layout, so they follow the design's figures.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    tv1 = new WorkspaceTree(client);
    connect(tv1, &WorkspaceTree::leftReleased, this, &frmMain::tv1_Click);
    connect(tv1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { tv1_NodeClick(node); });
    connect(tv1, &QTreeWidget::itemSelectionChanged, this, &frmMain::tv1_SelectionChanged);
    connect(tv1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { editObjectAt(ObjectTree::objectPositionFor(node)); });

    m_codePane = new CodePane(client);
    connect(m_codePane, &CodePane::checkLineChanged, this, &frmMain::Form_Resize);
    connect(m_codePane, &CodePane::escapePressed, this, [this] { tv1->setFocus(Qt::ShortcutFocusReason); });
    connect(m_codePane, &CodePane::tabPressed, this, [this](bool forward) { focusNextPrevChild(forward); });

    client->installEventFilter(this);
}

void frmMain::createToolbar()
{
    Toolbar1 = new WorkspaceToolbar(this);
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    m_deleteButton = Toolbar1->button(QStringLiteral("delete"));
    // Follows the pane's text, the user's edits included.
    connect(m_codePane, &CodePane::textPresent, Toolbar1->button(QStringLiteral("copy")),
            &QAction::setEnabled);
    connect(Toolbar1->button(QStringLiteral("display")), &QAction::triggered, this, &frmMain::mnuDisp_Click);
    connect(Toolbar1->button(QStringLiteral("alert")), &QAction::triggered, this, &frmMain::mnuAlert_Click);
    connect(Toolbar1->button(QStringLiteral("trans")), &QAction::triggered, this, &frmMain::mnuTrans_Click);
    connect(m_deleteButton, &QAction::triggered, this, &frmMain::DeleteSelectedObject);
    // About ends as the editors do; from the tree's menu it does not.
    connect(Toolbar1->button(QStringLiteral("about")), &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(Toolbar1->button(QStringLiteral("about")), &QAction::triggered, this, &frmMain::commandDone);
    // Copying leaves the tree and the delete button as they are.
    connect(Toolbar1->button(QStringLiteral("copy")), &QAction::triggered, this, &frmMain::CopySnippet);
    createTarget();
}

void frmMain::createTarget()
{
    // After Copy, so that the buttons keep their positions.
    m_target = new GraphicsTarget(this);
    cboTarget = m_target->createChooser();
    Toolbar1->addCaptioned(cboTarget, QStringLiteral("Target"), QStringLiteral("targetBox"));
    // The pane and its check follow the target.
    connect(m_target, &GraphicsTarget::apiChanged, this, [this] { tv1_Click(); });
}

void frmMain::createContextMenu()
{
    mnuContext = new ContextMenu(this);
    tv1->setContextMenu(mnuContext);
    const auto connectEntry = [this](const char* name, void (frmMain::*handler)()) {
        connect(mnuContext->entry(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    connectEntry("mnuDisp", &frmMain::mnuDisp_Click);
    connectEntry("mnuAlert", &frmMain::mnuAlert_Click);
    connectEntry("mnuTrans", &frmMain::mnuTrans_Click);
    connectEntry("mnuAbout", &frmMain::mnuAbout_Click);
    connectEntry("mnuEdit", &frmMain::EditSelectedObject);
    mnuEdit = mnuContext->entry(QStringLiteral("mnuEdit"));
    connectEntry("mnuCopyAll", &frmMain::mnuCopyAll_Click);
}

void frmMain::connectDocument()
{
    m_document = new WorkspaceDocument(this);
    connect(m_document, &WorkspaceDocument::objectsChanged, this, &frmMain::RefreshTree);
    connect(m_document, &WorkspaceDocument::selectRequested, this, &frmMain::selectObject);
    connect(m_pictures, &PictureLibrary::checksChanged, this, &frmMain::refreshPictureChecks);
}

void frmMain::applyProjectContext(const ProjectContext& project)
{
    m_project = project;
    m_stageDock->view()->setProject(project);
    // Tells the stage and the checks, which follow through checksChanged.
    m_pictures->setProject(project);
}

void frmMain::refreshPictureChecks()
{
    PictureMarks::apply(tv1, m_document->objects(), m_pictures);
    // The pane keeps its text, the user's edits included; only the line under it follows.
    const ModelObject* object = m_document->objects().at(tv1->selectedPosition());
    if (!object)
        return;
    if (const std::optional<QString> snippet = object->codeSnippet(currentApi()))
        showCheck(*object, *snippet);
}

void frmMain::createStage()
{
    m_stageDock = new StageDock(this);
    Toolbar1->addSeparator();
    Toolbar1->addAction(m_stageDock->toggleAction());
    StageView* stage = m_stageDock->view();
    stage->setPictures(m_pictures);
    new StageLink(m_stageDock, m_document, m_files, tv1, this);
    // A click on the stage does what a click on the object's node does.
    connect(stage, &StageView::objectClicked, this, &frmMain::selectObject);
    connect(stage, &StageView::objectActivated, this, &frmMain::editObjectAt);
    // Undo, redo and Delete work while the stage has the focus, as they do in the tree.
    m_editMenu->addWorkspaceShortcuts(m_stageDock->pane());
    m_stageDock->pane()->addAction(m_editMenu->deleteAction());
    connect(m_stageDock->pane()->session(), &ProjectSession::tied, this,
            [this](const GameConfig& config) { project_Tied(config.graphicsCompatibility); });
    // The pictures, their checks and the editors follow the game the stage shows.
    connect(m_stageDock->pane()->session(), &ProjectSession::contextChanged, this,
            &frmMain::applyProjectContext);
}

void frmMain::project_Tied(int graphicsCompatibility)
{
    const LuaTarget& target = LuaTargets::forCompatibility(graphicsCompatibility);
    cboTarget->setCurrentIndex(GraphicsTarget::indexOf(target.api()));
    StatusBar1->showNote(QStringLiteral("Target set from config.lua: ") + target.caption());
}

void frmMain::createMenuBar()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar1"));
    setMenuBar(bar);

    m_files = new WorkspaceFiles(m_document, this);
    connect(m_files, &WorkspaceFiles::noteRequested, StatusBar1, &WorkspaceStatusBar::showNote);
    m_files->keepWindowTitle();
    auto* fileMenu = new FileMenu(m_files, this);
    connect(fileMenu, &FileMenu::exportRequested, this, [this](const DocumentWriter* writer) {
        m_files->exportDocument(*writer, currentApi(),
                                PictureMarks::missingNote(m_document->objects().objects(), m_pictures));
    });
    // File comes first whatever menus were there before it.
    const QList<QAction*> existing = menuBar()->actions();
    menuBar()->insertMenu(existing.isEmpty() ? nullptr : existing.first(), fileMenu);

    m_editMenu = new EditMenu(m_document->undoStack(), Toolbar1, this);
    menuBar()->addMenu(m_editMenu);
    connect(m_editMenu->editAction(), &QAction::triggered, this, &frmMain::EditSelectedObject);
    m_editMenu->addTreeShortcuts(tv1);
    updateEditEnabled();
}

bool frmMain::openFile(const QString& path)
{
    return m_files->openFile(path);
}

void frmMain::Form_Load()
{
    m_document->reset();
    m_codePane->clear();
    RefreshTree();
    m_deleteButton->setEnabled(false);
    // Work the last run left unsaved comes back, whoever makes the window.
    m_recovery = new RecoveryKeeper(m_document, RecoveryStore::defaultFolder(), this);
    connect(m_recovery, &RecoveryKeeper::noteRequested, StatusBar1, &WorkspaceStatusBar::showNote);
    const QString restored = m_recovery->restore();
    if (!restored.isEmpty())
        StatusBar1->showStartNote(restored);
}

void frmMain::Form_Resize()
{
    // The toolbar and status bar lie at the client area's edges.
    const QWidget* client = centralWidget();
    const int statusBar = height() - client->geometry().bottom() - 1;
    // A docked stage takes its width from the window; the panes share what is left.
    const int clientWidth = m_stageDock && !m_stageDock->isHidden() ? client->width() : width();
    const WorkspaceLayout layout = m_codePane->place(QSize(clientWidth, height()), client->y(), statusBar);
    // The figures count from the window's left edge, whichever side a dock takes.
    tv1->setGeometry(WorkspaceLayout::toPixels(layout.tree).translated(0, -client->y()));
}

void frmMain::addObject(std::unique_ptr<ModelObject> object)
{
    m_document->addObject(std::move(object));
    // Only what an open editor confirms is selected after it closes.
    if (QApplication::activeModalWidget())
        m_lastAdded = m_document->objects().count();
}

void frmMain::RefreshTree()
{
    // The rebuild's own selection changes are not the user's.
    const QScopedValueRollback<bool> rebuilding(m_rebuilding, true);
    ObjectTree::rebuild(tv1, m_document->objects());
    if (m_pictures->isActive())
        PictureMarks::apply(tv1, m_document->objects(), m_pictures);
    updateEditEnabled();
}

GraphicsApi frmMain::currentApi() const
{
    return m_target->api();
}

void frmMain::selectObject(qsizetype position)
{
    QTreeWidgetItem* node = ObjectTree::nodeFor(tv1, position);
    if (!node) {
        tv1->clearSelection();
        m_codePane->clear();
        m_deleteButton->setEnabled(false);
        return;
    }
    {
        const QScopedValueRollback<bool> rebuilding(m_rebuilding, true);
        tv1->setCurrentItem(node);
    }
    tv1->scrollToItem(node);
    // As a click on the node would.
    tv1_Click();
    tv1_NodeClick(node);
    updateEditEnabled();
}

void frmMain::updateEditEnabled()
{
    const bool objectSelected = tv1->selectedPosition() > 0;
    mnuEdit->setEnabled(objectSelected);
    m_editMenu->editAction()->setEnabled(objectSelected);
}

void frmMain::tv1_Click()
{
    // Anything that goes wrong leaves the pane as it was.
    const ModelObject* object = m_document->objects().at(tv1->selectedPosition());
    if (!object)
        return;
    if (const std::optional<QString> snippet = object->codeSnippet(currentApi())) {
        m_codePane->showSnippet(*snippet);
        showCheck(*object, *snippet);
    } else {
        m_codePane->showNoSnippet(SnippetAdvisor::noSnippetReason(*object));
    }
}

void frmMain::showCheck(const ModelObject& object, const QString& snippet)
{
    const SnippetAdvisor::Report report =
        SnippetAdvisor::review(object, snippet, m_document->objects().objects(), currentApi());
    m_codePane->showCheck(CheckLine::compose(report, PictureMarks::problemsOf(object, m_pictures)));
}

void frmMain::tv1_NodeClick(QTreeWidgetItem* node)
{
    m_deleteButton->setEnabled(ObjectTree::deleteEnabledFor(node));
}

void frmMain::tv1_SelectionChanged()
{
    updateEditEnabled();
    // Moving the selection with the keyboard shows and enables what a click on the node would.
    if (m_rebuilding)
        return;
    if (QTreeWidgetItem* node = tv1->selectedNode()) {
        tv1_Click();
        tv1_NodeClick(node);
    }
}

void frmMain::DeleteSelectedObject()
{
    // The step empties the pane and selects nothing, as deleting always has.
    m_document->removeObject(tv1->selectedPosition());
    commandDone();
}

void frmMain::EditSelectedObject()
{
    editObjectAt(tv1->selectedPosition());
}

void frmMain::editObjectAt(qsizetype position)
{
    const ModelObject* object = m_document->objects().at(position);
    if (!object)
        return;
    // The step selects the edited node and shows its new snippet; a cancelled edit leaves
    // everything as it was.
    if (std::unique_ptr<ModelObject> changed = Editors::editObject(this, *object, m_project.folder)) {
        m_document->replaceObject(position, std::move(changed), QStringLiteral("Edit"));
        tv1->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::commandDone()
{
    m_deleteButton->setEnabled(false);
    RefreshTree();
    // The new object is the selected one, so that Copy takes its code and not another's.
    if (const qsizetype added = std::exchange(m_lastAdded, 0); added > 0) {
        selectObject(added);
        tv1->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::mnuDisp_Click()
{
    Editors::openDisplayFor(this, this, m_project.folder);
    commandDone();
}

void frmMain::mnuAlert_Click()
{
    Editors::openAlert(this, this);
    commandDone();
}

void frmMain::mnuTrans_Click()
{
    Editors::openTransition(this, this);
    commandDone();
}

void frmMain::mnuAbout_Click()
{
    Editors::openAbout(this);
}

void frmMain::mnuCopyAll_Click()
{
    const SnippetCollector::Result result =
        SnippetCollector::collect(m_document->objects().objects(), currentApi());
    // With nothing to copy, whatever the user had on the clipboard stays there.
    if (result.copied > 0)
        QApplication::clipboard()->setText(result.text);
    StatusBar1->showNote(SnippetCollector::confirmation(result) +
                         PictureMarks::missingNote(m_document->objects().objects(), m_pictures));
}

void frmMain::CopySnippet()
{
    if (const QString leftOut =
            SnippetCollector::leftOutNoteFor(m_document->objects().at(tv1->selectedPosition()));
        !leftOut.isEmpty())
        return StatusBar1->showNote(leftOut);
    if (m_codePane->copy())
        StatusBar1->showNote(QStringLiteral("Snippet copied"));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A workspace that belongs to no file goes with the window without a question.
    if (!m_files->mayClose()) {
        event->ignore();
        return;
    }
    // Unsaved work of a workspace without a file waits for the next start.
    m_recovery->closing();
    WindowPlacement::save(this);
    m_document->reset();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}
