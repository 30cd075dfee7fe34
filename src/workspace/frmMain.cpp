#include "frmMain.h"

#include "ApiDocs.h"
#include "BuildInfo.h"
#include "clsDisplay.h"
#include "CodeText.h"
#include "Editors.h"
#include "ElidedLabel.h"
#include "GraphicsTarget.h"
#include "LuaLexer.h"
#include "ObjectTree.h"
#include "PictureLibrary.h"
#include "PictureMarks.h"
#include "PreferredFont.h"
#include "ProjectSession.h"
#include "RecoveryKeeper.h"
#include "Shell.h"
#include "SnippetAdvisor.h"
#include "SnippetCollector.h"
#include "StageDock.h"
#include "StageGeometry.h"
#include "StagePane.h"
#include "StageView.h"
#include "ViewMenu.h"
#include "WindowPlacement.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceLayout.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

// Resources of a static library are only linked in when something asks for them.
static void initWorkspaceResources()
{
    Q_INIT_RESOURCE(workspace);
}

namespace {

// The pane's marker for the line Lua could not compile.
constexpr int errorMarker = 0;
constexpr int noteMilliseconds = 4000;
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");

QString makerNotice()
{
    return QStringLiteral("© %1 %2").arg(QString::fromUtf8(BuildInfo::makerYear),
                                         QString::fromUtf8(BuildInfo::maker));
}

} // namespace

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
    createCheckLine();
    createToolbar();
    createStatusBar();
    createContextMenu();
    setTabOrder(tv1, txtCode);
    connectDocument();
    createMenuBar();
    createStage();
    menuBar()->addMenu(new ViewMenu(cboTarget, m_stageDock, this));

    // The desktop's toolbar and status bar are not as high as designed, and the menu bar
    // stands above the toolbar; the window makes up the difference so that the panes keep
    // their designed sizes.
    const int toolbar =
        WorkspaceLayout::toTwips(menuBar()->sizeHint().height() + Toolbar1->sizeHint().height());
    const int statusBar = WorkspaceLayout::toTwips(StatusBar1->sizeHint().height());
    setMinimumSize(WorkspaceLayout::toPixels(
        WorkspaceLayout::clientFor(WorkspaceLayout::minimumClient(), toolbar, statusBar)));
    resize(WorkspaceLayout::toPixels(
        WorkspaceLayout::clientFor(WorkspaceLayout::initialClient(), toolbar, statusBar)));
    m_stageDock->restore();
    restoreWindow();

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    // The panes are placed by Form_Resize, not by a layout, so they follow the design's figures.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    tv1 = new QTreeWidget(client);
    tv1->setObjectName(QStringLiteral("tv1"));
    tv1->setFont(PreferredFont::tahoma(9.75));
    tv1->setHeaderHidden(true);
    tv1->setColumnCount(1);
    tv1->setUniformRowHeights(true);
    tv1->setSelectionMode(QAbstractItemView::SingleSelection);
    tv1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tv1->setContextMenuPolicy(Qt::PreventContextMenu);
    // The rebuild sizes the column to the widest name, so that long ones scroll rather than
    // being cut short.
    tv1->header()->setSectionResizeMode(QHeaderView::Fixed);
    tv1->header()->setStretchLastSection(false);
    tv1->viewport()->installEventFilter(this);
    connect(tv1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { tv1_NodeClick(node); });
    connect(tv1, &QTreeWidget::itemSelectionChanged, this, &frmMain::tv1_SelectionChanged);
    connect(tv1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { editObjectAt(ObjectTree::objectPositionFor(node)); });

    txtCode = new QsciScintilla(client);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setUtf8(true);
    // CR LF as the generators write it, also for lines the user adds.
    txtCode->setEolMode(QsciScintilla::EolWindows);
    txtCode->setMarginWidth(1, 0);
    // The horizontal scroll bar follows the widest line shown, so an empty pane has none to move.
    txtCode->setScrollWidth(1);
    txtCode->setScrollWidthTracking(true);
    auto* lexer = new LuaLexer(txtCode);
    const QFont codeFont = PreferredFont::courierNew(8.25);
    lexer->setDefaultFont(codeFont);
    lexer->setFont(codeFont);
    txtCode->setLexer(lexer);
    // A background marker needs no margin, so the pane keeps its designed look.
    txtCode->markerDefine(QsciScintilla::Background, errorMarker);
    txtCode->setMarkerBackgroundColor(QColor(0xf6, 0xc9, 0xc5), errorMarker);
    // The pane's own edits never reach an object, so Tab needs no indenting and can move on.
    txtCode->installEventFilter(this);

    client->installEventFilter(this);
}

void frmMain::createCheckLine()
{
    lblCheck = new QLabel(centralWidget());
    lblCheck->setObjectName(QStringLiteral("lblCheck"));
    lblCheck->setWordWrap(true);
    lblCheck->setTextFormat(Qt::RichText);
    lblCheck->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblCheck->setMargin(3);
    lblCheck->hide();
}

void frmMain::createToolbar()
{
    Toolbar1 = new QToolBar(QStringLiteral("Toolbar1"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    struct Button
    {
        const char* key;
        const char* caption;
        const char* toolTip;
        const char* picture;
        QKeySequence shortcut;
    };
    // A null key is a separator. Copy comes last, so the first entries keep their places.
    const Button buttons[] = {
        {"display", "Display", "Display Object", ":/toolbar/display.svg", QKeySequence(Qt::CTRL | Qt::Key_1)},
        {"alert", "Alert", "Alert Window", ":/toolbar/alert.svg", QKeySequence(Qt::CTRL | Qt::Key_2)},
        {"trans", "Transition", "Transition", ":/toolbar/transition.svg", QKeySequence(Qt::CTRL | Qt::Key_3)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"delete", "Delete", "Delete Object", ":/toolbar/delete.svg", QKeySequence(Qt::Key_Delete)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"about", "About", "About Box", ":/toolbar/about.svg", QKeySequence(Qt::Key_F1)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"copy", "Copy", "Copy Snippet", ":/toolbar/copy.svg",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            Toolbar1->addSeparator();
            continue;
        }
        QAction* action =
            Toolbar1->addAction(QIcon(QString::fromLatin1(b.picture)), QString::fromLatin1(b.caption));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setShortcut(b.shortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(b.toolTip),
                                                         b.shortcut.toString(QKeySequence::NativeText)));
    }
    m_deleteButton = Toolbar1->findChild<QAction*>(QStringLiteral("delete"));
    // Delete is also the code pane's own key; it deletes an object only from the tree.
    m_deleteButton->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_copyButton = Toolbar1->findChild<QAction*>(QStringLiteral("copy"));
    m_copyButton->setEnabled(false);
    // Follows the pane's text, the user's edits included.
    connect(txtCode, &QsciScintilla::textChanged, this,
            [this] { m_copyButton->setEnabled(txtCode->length() > 0); });
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* button) { Toolbar1_ButtonClick(button); });

    // After Copy, so that the buttons keep their positions.
    m_target = new GraphicsTarget(this);
    Toolbar1->addSeparator();
    // Captioned below like the buttons, so that it sits level with them.
    auto* targetBox = new QWidget(Toolbar1);
    targetBox->setObjectName(QStringLiteral("targetBox"));
    auto* targetLayout = new QVBoxLayout(targetBox);
    targetLayout->setContentsMargins(2, 0, 2, 0);
    targetLayout->setSpacing(1);
    cboTarget = new QComboBox(targetBox);
    cboTarget->setObjectName(QStringLiteral("cboTarget"));
    cboTarget->addItems(GraphicsTarget::captions());
    cboTarget->setCurrentIndex(GraphicsTarget::indexOf(m_target->api()));
    cboTarget->setToolTip(GraphicsTarget::toolTip());
    auto* targetCaption = new QLabel(QStringLiteral("Target"), targetBox);
    targetCaption->setAlignment(Qt::AlignHCenter);
    targetBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    targetLayout->addStretch();
    targetLayout->addWidget(cboTarget);
    targetLayout->addWidget(targetCaption);
    Toolbar1->addWidget(targetBox);
    connect(cboTarget, &QComboBox::currentIndexChanged, m_target,
            [this](int index) { m_target->setApi(GraphicsTarget::apiAt(index)); });
    // The pane and its check follow the target.
    connect(m_target, &GraphicsTarget::apiChanged, this, [this] { tv1_Click(); });
}

void frmMain::createStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFont(PreferredFont::tahoma(9.75));
    setStatusBar(StatusBar1);

    const auto addPanel = [this](const QString& name, const QString& text, int stretch) {
        auto* panel = new QLabel(text, StatusBar1);
        panel->setObjectName(name);
        panel->setToolTip(text);
        panel->installEventFilter(this);
        StatusBar1->addWidget(panel, stretch);
        return panel;
    };
    addPanel(QStringLiteral("notice"), makerNotice(), 1);
    const QString email = QString::fromUtf8(BuildInfo::feedbackEmail);
    const QString url = QString::fromUtf8(BuildInfo::homepageUrl);
    addPanel(QStringLiteral("eml"), QStringLiteral("email: ") + email, 0)->setCursor(Qt::PointingHandCursor);
    addPanel(QStringLiteral("url"), QStringLiteral("url : ") + url, 0)->setCursor(Qt::PointingHandCursor);

    // A temporary message of the status bar itself would hide the panels while it shows.
    // Gives way to the panels in a narrow window, the whole text then in its tool tip.
    lblNote = new ElidedLabel(StatusBar1);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    StatusBar1->addPermanentWidget(lblNote);
    lblNote->hide();
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    m_noteTimer->setInterval(noteMilliseconds);
    connect(m_noteTimer, &QTimer::timeout, lblNote, &QLabel::hide);
}

void frmMain::createContextMenu()
{
    mnuContext = new QMenu(QStringLiteral("popupMenu"), this);
    mnuContext->setObjectName(QStringLiteral("mnuContext"));
    const auto addEntry = [this](const char* name, const QString& caption, void (frmMain::*handler)()) {
        QAction* entry = mnuContext->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        connect(entry, &QAction::triggered, this, handler);
    };
    addEntry("mnuDisp", QStringLiteral("Add Display"), &frmMain::mnuDisp_Click);
    addEntry("mnuAlert", QStringLiteral("Add Alert"), &frmMain::mnuAlert_Click);
    addEntry("mnuTrans", QStringLiteral("Add Transition"), &frmMain::mnuTrans_Click);
    mnuContext->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    // A maker named "A & B" must not turn into a keyboard shortcut.
    addEntry("mnuAbout", QString(makerNotice()).replace(QLatin1Char('&'), QStringLiteral("&&")),
             &frmMain::mnuAbout_Click);
    addEntry("mnuEdit", QStringLiteral("Edit Object"), &frmMain::EditSelectedObject);
    mnuEdit = mnuContext->findChild<QAction*>(QStringLiteral("mnuEdit"));
    mnuContext->addSeparator()->setObjectName(QStringLiteral("mnuSepCopy"));
    addEntry("mnuCopyAll", QStringLiteral("Copy All Snippets"), &frmMain::mnuCopyAll_Click);
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
    const ModelObject* object = m_document->objects().at(ObjectTree::objectPositionFor(selectedNode()));
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
    connect(m_stageDock, &StageDock::objectsWanted, this, &frmMain::updateStage);
    connect(m_document, &WorkspaceDocument::objectsChanged, this, &frmMain::updateStage);
    connect(tv1, &QTreeWidget::itemSelectionChanged, stage,
            [this, stage] { stage->setSelectedPosition(ObjectTree::objectPositionFor(selectedNode())); });
    // A click on the stage does what a click on the object's node does.
    connect(stage, &StageView::objectClicked, this, &frmMain::selectObject);
    connect(stage, &StageView::objectActivated, this, &frmMain::editObjectAt);
    connect(stage, &StageView::moveRequested, this, &frmMain::stage_MoveRequested);
    // Undo, redo and Delete work while the stage has the focus, as they do in the tree.
    addWorkspaceShortcuts(m_stageDock->pane());
    m_stageDock->pane()->addAction(actDeleteObject);

    const auto later = [this] {
        QMetaObject::invokeMethod(
            this, [this] { updateProject(); }, Qt::QueuedConnection);
    };
    connect(m_document, &WorkspaceDocument::projectLinkChanged, this, later);
    connect(m_document, &WorkspaceDocument::fileNameChanged, this, later);
    connect(m_files, &WorkspaceFiles::opened, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { updateProject(true); }, Qt::QueuedConnection);
    });
    connect(m_stageDock->pane()->session(), &ProjectSession::tied, this,
            [this](const GameConfig& config) { project_Tied(config.graphicsCompatibility); });
    // The pictures, their checks and the editors follow the game the stage shows.
    connect(m_stageDock->pane()->session(), &ProjectSession::contextChanged, this,
            &frmMain::applyProjectContext);
}

void frmMain::updateProject(bool again)
{
    m_stageDock->pane()->session()->setFolder(
        WorkspaceFiles::projectFolderFor(m_document->projectLink(), m_document->fileName()), again);
}

void frmMain::project_Tied(int graphicsCompatibility)
{
    const GraphicsApi api = graphicsCompatibility != 0 ? GraphicsApi::V1 : GraphicsApi::V2;
    cboTarget->setCurrentIndex(GraphicsTarget::indexOf(api));
    showNote(QStringLiteral("Target set from config.lua: ") +
             GraphicsTarget::captions().at(GraphicsTarget::indexOf(api)));
}

void frmMain::updateStage()
{
    if (m_stageDock->wantsObjects())
        m_stageDock->showObjects(m_document->objects().objects(),
                                 ObjectTree::objectPositionFor(selectedNode()));
}

void frmMain::stage_MoveRequested(qsizetype position, qint32 newX, qint32 newY)
{
    const auto* display = dynamic_cast<const clsDisplay*>(m_document->objects().at(position));
    if (!display || (display->x() == newX && display->y() == newY))
        return;
    m_document->replaceObject(position, StageGeometry::movedTo(*display, newX, newY), QStringLiteral("Move"));
}

void frmMain::createMenuBar()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar1"));
    setMenuBar(bar);
    createFileMenu();
    createEditMenu();
}

void frmMain::createFileMenu()
{
    m_files = new WorkspaceFiles(m_document, this);
    connect(m_files, &WorkspaceFiles::noteRequested, this, &frmMain::showNote);
    connect(m_document, &WorkspaceDocument::fileNameChanged, this, &frmMain::updateTitle);
    connect(m_document, &WorkspaceDocument::modifiedChanged, this, &frmMain::updateTitle);

    QMenu* menu = new QMenu(QStringLiteral("&File"), this);
    menu->setObjectName(QStringLiteral("mnuFileMenu"));
    // File comes first whatever menus were there before it.
    const QList<QAction*> existing = menuBar()->actions();
    menuBar()->insertMenu(existing.isEmpty() ? nullptr : existing.first(), menu);
    // Some desktops define no key for Save As or Quit; those get the common one.
    const auto add = [this, menu](const char* name, const QString& text, QKeySequence::StandardKey key,
                                  const QKeySequence& fallback, auto command) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        if (keys.isEmpty() && !fallback.isEmpty())
            keys = {fallback};
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    add("actNew", QStringLiteral("&New"), QKeySequence::New, QKeySequence(),
        [this] { m_files->newWorkspace(); });
    add("actOpen", QStringLiteral("&Open..."), QKeySequence::Open, QKeySequence(),
        [this] { m_files->open(); });
    mnuRecent = menu->addMenu(QStringLiteral("Open &Recent"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    // Filled when the File menu opens, so the list is read only when someone looks at it.
    connect(menu, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    connect(m_files, &WorkspaceFiles::recentFilesChanged, this, &frmMain::fillRecentMenu);
    menu->addSeparator();
    add("actSave", QStringLiteral("&Save"), QKeySequence::Save, QKeySequence(), [this] { m_files->save(); });
    add("actSaveAs", QStringLiteral("Save &As..."), QKeySequence::SaveAs,
        QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { m_files->saveAs(); });
    menu->addSeparator();
    add("actProjectFolder", QStringLiteral("&Project Folder..."), QKeySequence::UnknownKey, QKeySequence(),
        [this] { m_files->chooseProjectFolder(); });
    add("actClearProject", QStringLiteral("C&lear Project Folder"), QKeySequence::UnknownKey, QKeySequence(),
        [this] { m_files->clearProjectFolder(); });
    menu->addSeparator();
    add("actExport", QStringLiteral("&Export Lua..."), QKeySequence::UnknownKey, QKeySequence(), [this] {
        m_files->exportLua(currentApi(), PictureMarks::missingNote(PictureMarks::missingCount(
                                             m_document->objects().objects(), m_pictures)));
    });
    menu->addSeparator();
    QAction* quit = add("actQuit", QStringLiteral("&Quit"), QKeySequence::Quit,
                        QKeySequence(QStringLiteral("Ctrl+Q")), [this] { close(); });
    quit->setMenuRole(QAction::QuitRole);
}

void frmMain::fillRecentMenu()
{
    mnuRecent->clear();
    const QStringList files = m_files->recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString text = QDir::toNativeSeparators(path);
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        // Accelerators 1 to 8, as desktop programs number their recent files.
        QAction* action = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        connect(action, &QAction::triggered, this, [this, path] { m_files->openFile(path); });
    }
    mnuRecent->addSeparator();
    QAction* clear = mnuRecent->addAction(QStringLiteral("&Clear Menu"));
    clear->setObjectName(QStringLiteral("actClearRecent"));
    connect(clear, &QAction::triggered, m_files, &WorkspaceFiles::clearRecentFiles);
    mnuRecent->setEnabled(!files.isEmpty());
}

void frmMain::updateTitle()
{
    const QString fileName = m_document->fileName();
    setWindowTitle(WorkspaceFiles::windowTitle(fileName));
    // Without a file the caption has no place for the mark.
    setWindowModified(!fileName.isEmpty() && m_document->isModified());
}

bool frmMain::openFile(const QString& path)
{
    return m_files->openFile(path);
}

void frmMain::createEditMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("mnuEditMenu"));
    // Their texts name the step: "Undo Delete hero".
    actUndo = m_document->undoStack()->createUndoAction(this);
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcuts(QKeySequence::Undo);
    actRedo = m_document->undoStack()->createRedoAction(this);
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts(QKeySequence::Redo);
    menu->addAction(actUndo);
    menu->addAction(actRedo);
    menu->addSeparator();
    actEdit = menu->addAction(QStringLiteral("Edit &Object"));
    actEdit->setObjectName(QStringLiteral("actEdit"));
    actEdit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    // Enter edits only from the tree.
    actEdit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tv1->addAction(actEdit);
    connect(actEdit, &QAction::triggered, this, &frmMain::EditSelectedObject);
    actDeleteObject =
        addButtonEntry(menu, m_deleteButton, "actDeleteObject", QStringLiteral("&Delete Object"));
    tv1->addAction(actDeleteObject);
    menu->addSeparator();
    addButtonEntry(menu, m_copyButton, "actCopySnippet", QStringLiteral("&Copy Snippet"));
    addWorkspaceShortcuts(tv1);
    updateEditEnabled();
}

QAction* frmMain::addButtonEntry(QMenu* menu, QAction* button, const char* name, const QString& text)
{
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QString::fromLatin1(name));
    // The entry takes over the button's key, so that one key never names two commands.
    entry->setShortcut(button->shortcut());
    entry->setShortcutContext(button->shortcutContext());
    button->setShortcut(QKeySequence());
    entry->setEnabled(button->isEnabled());
    connect(button, &QAction::enabledChanged, entry, &QAction::setEnabled);
    connect(entry, &QAction::triggered, button, &QAction::trigger);
    return entry;
}

void frmMain::addWorkspaceShortcuts(QWidget* view)
{
    for (QAction* action : {actUndo, actRedo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
    }
}

void frmMain::Form_Load()
{
    m_document->reset();
    clearPane();
    RefreshTree();
    setDeleteEnabled(false);
    // Work the last run left unsaved comes back, whoever makes the window.
    m_recovery = new RecoveryKeeper(m_document, RecoveryStore::defaultFolder(), this);
    connect(m_recovery, &RecoveryKeeper::noteRequested, this, &frmMain::showNote);
    const QString restored = m_recovery->restore();
    if (!restored.isEmpty())
        showNote(restored);
    m_startNote = restored;
}

void frmMain::restoreWindow()
{
    QSettings settings;
    const QByteArray geometry = settings.value(geometryKey).toByteArray();
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (!WindowPlacement::fits(geometry, screens) || !restoreGeometry(geometry)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    // The stage's own setting says whether it shows; the state only gives its place and size.
    const bool stageShown = !m_stageDock->isHidden();
    restoreState(settings.value(stateKey).toByteArray());
    if (m_stageDock->isHidden() == stageShown)
        m_stageDock->setVisible(stageShown);
}

void frmMain::saveWindow() const
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState());
}

void frmMain::Form_Resize()
{
    // Geometry of the client area in twips; the toolbar and status bar lie at its edges.
    const QWidget* client = centralWidget();
    const int toolbar = client->y();
    const int statusBar = height() - client->geometry().bottom() - 1;
    // A docked stage takes its width from the window; the panes share what is left.
    const int clientWidth = m_stageDock && !m_stageDock->isHidden() ? client->width() : width();
    const WorkspaceLayout layout = WorkspaceLayout::forClient(
        QSize(WorkspaceLayout::toTwips(clientWidth), WorkspaceLayout::toTwips(height())),
        WorkspaceLayout::toTwips(toolbar), WorkspaceLayout::toTwips(statusBar));
    // The figures count from the window's left edge, whichever side a dock takes.
    const QPoint offset(0, client->y());
    tv1->setGeometry(WorkspaceLayout::toPixels(layout.tree).translated(-offset));
    if (lblCheck->isHidden()) {
        txtCode->setGeometry(WorkspaceLayout::toPixels(layout.code).translated(-offset));
        return;
    }
    // The message wraps to the pane's width; its height follows from that.
    const int paneWidth = WorkspaceLayout::toPixels(layout.code.width());
    const int message =
        lblCheck->hasHeightForWidth() ? lblCheck->heightForWidth(paneWidth) : lblCheck->sizeHint().height();
    const WorkspaceLayout withMessage = WorkspaceLayout::forClient(
        QSize(WorkspaceLayout::toTwips(clientWidth), WorkspaceLayout::toTwips(height())),
        WorkspaceLayout::toTwips(toolbar), WorkspaceLayout::toTwips(statusBar),
        WorkspaceLayout::toTwips(message));
    txtCode->setGeometry(WorkspaceLayout::toPixels(withMessage.code).translated(-offset));
    lblCheck->setGeometry(WorkspaceLayout::toPixels(withMessage.message).translated(-offset));
}

void frmMain::addObject(std::unique_ptr<ModelObject> object)
{
    m_document->addObject(std::move(object));
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

void frmMain::setDeleteEnabled(bool enabled)
{
    m_deleteButton->setEnabled(enabled);
}

QTreeWidgetItem* frmMain::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = tv1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void frmMain::selectObject(qsizetype position)
{
    QTreeWidgetItem* node = ObjectTree::nodeFor(tv1, position);
    if (!node) {
        tv1->clearSelection();
        clearPane();
        setDeleteEnabled(false);
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
    const bool objectSelected = ObjectTree::objectPositionFor(selectedNode()) > 0;
    mnuEdit->setEnabled(objectSelected);
    actEdit->setEnabled(objectSelected);
}

void frmMain::tv1_Click()
{
    // Anything that goes wrong leaves the pane as it was.
    const ModelObject* object = m_document->objects().at(ObjectTree::objectPositionFor(selectedNode()));
    if (!object)
        return;
    if (const std::optional<QString> snippet = object->codeSnippet(currentApi()))
        showSnippet(*object, *snippet);
    else
        showNoSnippet(SnippetAdvisor::noSnippetReason(*object));
}

void frmMain::showNoSnippet(const QString& reason)
{
    // Another object's code left in the pane would be copied as this one's.
    clearPane();
    showCheckLine(reason.toHtmlEscaped(), QStringLiteral("note"));
}

void frmMain::showSnippet(const ModelObject& object, const QString& snippet)
{
    txtCode->setScrollWidth(1); // tracking only widens; start again from this text
    txtCode->setText(snippet);
    showCheck(object, snippet);
}

void frmMain::clearPane()
{
    txtCode->setScrollWidth(1);
    txtCode->setText(QString());
    clearCheck();
}

void frmMain::showCheck(const ModelObject& object, const QString& snippet)
{
    txtCode->markerDeleteAll(errorMarker);
    const SnippetAdvisor::Report report =
        SnippetAdvisor::review(object, snippet, m_document->objects().objects(), currentApi());
    QStringList pictureErrors;
    if (report.fault)
        pictureErrors << report.fault->message();
    QStringList warnings = report.warnings;
    for (const PictureChecks::Problem& problem : PictureMarks::problemsOf(object, m_pictures))
        (problem.error ? pictureErrors : warnings) << problem.text;
    if (report.compiles() && pictureErrors.isEmpty() && warnings.isEmpty() && report.notes.isEmpty()) {
        clearCheck();
        return;
    }
    QString html;
    if (!report.compiles()) {
        // Lua's words stand out; the hints that follow are read after them.
        const QString error = report.errorText();
        const qsizetype hints = error.indexOf(QLatin1String("  Hint: "));
        html = QStringLiteral("<span style=\"color:#a3271d; font-weight:bold\">%1</span>")
                   .arg(error.left(hints).toHtmlEscaped());
        if (hints >= 0)
            html += QStringLiteral("<span style=\"color:#a3271d\">%1</span>")
                        .arg(error.mid(hints).toHtmlEscaped());
        if (report.error->line > 0)
            txtCode->markerAdd(report.error->line - 1, errorMarker);
    }
    for (const QString& error : pictureErrors) {
        if (!html.isEmpty())
            html += QLatin1Char(' ');
        html += QStringLiteral("<span style=\"color:#a3271d; font-weight:bold\">%1</span>")
                    .arg(error.toHtmlEscaped());
    }
    if (!warnings.isEmpty()) {
        if (!html.isEmpty())
            html += QLatin1Char(' ');
        html += QStringLiteral("<span style=\"color:#6b5200\">Warning: %1</span>")
                    .arg(warnings.join(QLatin1Char(' ')).toHtmlEscaped());
    }
    if (!report.notes.isEmpty()) {
        if (!html.isEmpty())
            html += QLatin1Char(' ');
        html += report.noteText().toHtmlEscaped();
    }
    showCheckLine(html, !report.compiles() || !pictureErrors.isEmpty() ? QStringLiteral("error")
                        : !warnings.isEmpty()                          ? QStringLiteral("warning")
                                                                       : QStringLiteral("note"));
}

void frmMain::showCheckLine(const QString& html, const QString& severity)
{
    // Keeps the two blanks before each hint.
    lblCheck->setText(QStringLiteral("<div style=\"white-space:pre-wrap\">%1</div>").arg(html));
    lblCheck->setProperty("severity", severity);
    lblCheck->setStyleSheet(
        severity == QLatin1String("error")
            ? QStringLiteral("QLabel { background: #fbe3e1; border: 1px solid #d9473d; }")
        : severity == QLatin1String("warning")
            ? QStringLiteral("QLabel { background: #fff6d6; border: 1px solid #e0b43a; }")
            : QStringLiteral("QLabel { background: #eef2f7; border: 1px solid #8a9bb0; }"));
    lblCheck->show();
    Form_Resize();
}

void frmMain::clearCheck()
{
    txtCode->markerDeleteAll(errorMarker);
    if (lblCheck->isHidden())
        return;
    lblCheck->hide();
    lblCheck->clear();
    Form_Resize();
}

void frmMain::showNote(const QString& text)
{
    // What the start had to say (work recovered) stays beside the next note while it shows.
    const bool join = !m_startNote.isEmpty() && !lblNote->isHidden() && lblNote->text() == m_startNote;
    lblNote->setText(join ? m_startNote + QStringLiteral("; ") + text : text);
    m_startNote.clear();
    lblNote->show();
    m_noteTimer->start();
}

void frmMain::tv1_NodeClick(QTreeWidgetItem* node)
{
    setDeleteEnabled(ObjectTree::deleteEnabledFor(node));
}

void frmMain::tv1_SelectionChanged()
{
    updateEditEnabled();
    // Moving the selection with the keyboard shows and enables what a click on the node would.
    if (m_rebuilding)
        return;
    if (QTreeWidgetItem* node = selectedNode()) {
        tv1_Click();
        tv1_NodeClick(node);
    }
}

void frmMain::tv1_MouseDown(Qt::MouseButton button, const QPoint& position)
{
    if (button == Qt::RightButton)
        mnuContext->popup(tv1->viewport()->mapToGlobal(position));
}

void frmMain::DeleteSelectedObject()
{
    // The step empties the pane and selects nothing, as deleting always has.
    m_document->removeObject(ObjectTree::objectPositionFor(selectedNode()));
}

void frmMain::EditSelectedObject()
{
    editObjectAt(ObjectTree::objectPositionFor(selectedNode()));
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

void frmMain::afterEditor(qsizetype countBefore)
{
    setDeleteEnabled(false);
    RefreshTree();
    // The new object is the selected one, so that Copy takes its code and not another's.
    if (m_document->objects().count() > countBefore) {
        selectObject(m_document->objects().count());
        tv1->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::Toolbar1_ButtonClick(const QAction* button)
{
    const QString key = button->objectName();
    // Copying leaves the tree and the delete button as they are.
    if (key == QLatin1String("copy")) {
        CopySnippet();
        return;
    }
    // So does showing or hiding the stage; the action's own handler does that.
    if (key == QLatin1String("stageToggle"))
        return;
    const qsizetype countBefore = m_document->objects().count();
    if (key == QLatin1String("display"))
        Editors::openDisplayFor(this, this, m_project.folder);
    else if (key == QLatin1String("alert"))
        Editors::openAlert(this, this);
    else if (key == QLatin1String("trans"))
        Editors::openTransition(this, this);
    else if (key == QLatin1String("delete"))
        DeleteSelectedObject();
    else if (key == QLatin1String("about"))
        Editors::openAbout(this);
    afterEditor(countBefore);
}

void frmMain::mnuDisp_Click()
{
    const qsizetype countBefore = m_document->objects().count();
    Editors::openDisplayFor(this, this, m_project.folder);
    afterEditor(countBefore);
}

void frmMain::mnuAlert_Click()
{
    const qsizetype countBefore = m_document->objects().count();
    Editors::openAlert(this, this);
    afterEditor(countBefore);
}

void frmMain::mnuTrans_Click()
{
    const qsizetype countBefore = m_document->objects().count();
    Editors::openTransition(this, this);
    afterEditor(countBefore);
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
        QGuiApplication::clipboard()->setText(result.text);
    showNote(SnippetCollector::confirmation(result) + PictureMarks::missingNote(PictureMarks::missingCount(
                                                          m_document->objects().objects(), m_pictures)));
}

void frmMain::CopySnippet()
{
    const QString text = txtCode->text();
    if (text.isEmpty())
        return;
    const ModelObject* object = m_document->objects().at(ObjectTree::objectPositionFor(selectedNode()));
    if (const std::optional<CodeText::Fault> fault = object ? CodeText::faultOf(*object) : std::nullopt) {
        showNote(SnippetCollector::leftOutNote({fault->leftOutReason()}));
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    showNote(QStringLiteral("Snippet copied"));
}

bool frmMain::txtCode_KeyPress(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F1) {
        int line = 0;
        int index = 0;
        txtCode->getCursorPosition(&line, &index);
        Shell::instance()->openUrl(ApiDocs::pageFor(ApiDocs::wordAt(txtCode->text(line), index)));
        return true;
    }
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        tv1->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    // Tab, Shift+Tab and the same with Ctrl, as in every other field.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab || (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)))
        return false;
    focusNextPrevChild(event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
    return true;
}

void frmMain::StatusBar1_PanelClick(const QLabel* panel)
{
    const QString key = panel->objectName();
    if (key == QLatin1String("eml"))
        Shell::instance()->openUrl(QUrl(QStringLiteral("mailto:") +
                                        QString::fromUtf8(BuildInfo::feedbackEmail) +
                                        QStringLiteral("?Subject=Feedback on Quillet")));
    else if (key == QLatin1String("url"))
        Shell::instance()->openUrl(QUrl(QString::fromUtf8(BuildInfo::homepageUrl)));
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
    saveWindow();
    m_document->reset();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtCode && event->type() == QEvent::KeyPress)
        return txtCode_KeyPress(static_cast<QKeyEvent*>(event));
    // F1 in the pane opens the page of the word at the cursor, not About.
    if (watched == txtCode && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    if (!mouse)
        return QMainWindow::eventFilter(watched, event);
    const auto* click = static_cast<QMouseEvent*>(event);
    const QPoint position = click->position().toPoint();

    if (watched == tv1->viewport()) {
        if (type == QEvent::MouseButtonRelease) {
            if (click->button() == Qt::LeftButton)
                tv1_Click();
            return click->button() == Qt::RightButton;
        }
        if (click->button() == Qt::RightButton) {
            // Handled here so that the tree's selection stays as it is.
            tv1_MouseDown(click->button(), position);
            return true;
        }
        // The view would drop its selection on a click in blank space; the tree keeps it.
        return !tv1->itemAt(position);
    }
    const auto* panel = qobject_cast<QLabel*>(watched);
    if (type == QEvent::MouseButtonRelease && click->button() == Qt::LeftButton && panel &&
        StatusBar1->isAncestorOf(panel) && panel->rect().contains(position))
        StatusBar1_PanelClick(panel);
    return QMainWindow::eventFilter(watched, event);
}
