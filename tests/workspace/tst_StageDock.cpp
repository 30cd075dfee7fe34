#include "clsDisplay.h"
#include "FileDialog.h"
#include "frmMain.h"
#include "ProjectSession.h"
#include "StageView.h"
#include "TestSettings.h"
#include "Ui.h"
#include "WorkspaceDocument.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <QUndoStack>

// The stage as part of the window: shown on demand, remembered, a second way to select and
// place objects, and never in the way of the panes.
class tst_StageDock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init()
    {
        QSettings().clear();
        QSettings().setValue("target", 1); // the snippets compared are Graphics 1.0's
        window = std::make_unique<frmMain>();
    }
    void hiddenAtFirstStartThenRemembered();
    void clickSelectsDragMovesUndoably();
    void stageNeverCoversThePanes();
    void noHiddenWayToDropToolbarOrStage_data();
    void noHiddenWayToDropToolbarOrStage();
    void stageComesToRest();

private:
    bool openWithStage(); // shows the window, then its stage
    template <typename T = QWidget> T* find(const QString& name) const
    {
        return Ui::find<T>(window.get(), name);
    }

    std::unique_ptr<frmMain> window;
};

namespace {

std::unique_ptr<clsDisplay> rect(const QString& name, int x, int y)
{
    auto object = std::make_unique<clsDisplay>();
    object->init();
    object->setVarName(name);
    object->setDObjType(clsDisplay::Rect);
    object->setX(x);
    object->setY(y);
    object->setColour(0x0000FF);
    return object;
}

// Counts the stage's layout passes: resizes of its viewport, scroll bars shown or hidden. Past
// the limit it swallows them, ending a loop that would never return.
struct LayoutCounter : QObject
{
    static constexpr int limit = 100;
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        return (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide) && ++count > limit;
    }
};

void mouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(target, &event);
}

} // namespace

bool tst_StageDock::openWithStage()
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return false;
    find<QAction>("stageToggle")->trigger();
    return QTest::qWaitFor([this] { return find("stageDock")->isVisible(); });
}

void tst_StageDock::hiddenAtFirstStartThenRemembered()
{
    window->addObject(rect(QStringLiteral("offscreen"), 300, 10));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* toggle = find<QAction>("stageToggle");
    auto* dock = find<QDockWidget>("stageDock");
    QCOMPARE(find<QToolBar>("Toolbar1")->actions().last(), toggle);
    QCOMPARE(toggle->shortcut(), QKeySequence(Qt::Key_F2));
    QVERIFY(dock->isHidden());
    QVERIFY(!toggle->isChecked());
    auto* tree = find<QTreeWidget>("tv1");
    auto* code = find<QsciScintilla>("txtCode");
    const QRect designedTree = tree->geometry();
    const int designedCode = code->width();

    toggle->trigger();
    QTRY_VERIFY(dock->isVisible());
    // The window made room: the panes keep their sizes, and the code pane ends before the dock.
    QTRY_COMPARE(tree->geometry(), designedTree);
    QCOMPARE(code->width(), designedCode);
    QVERIFY(code->geometry().right() < window->centralWidget()->width());
    QCOMPARE(find<QLabel>("lblOutside")->text(), QStringLiteral("1 object reaches past the screen's edge"));
    auto* screens = find<QComboBox>("cboScreen");
    screens->setCurrentIndex(6);
    emit screens->activated(6);
    find<QToolButton>("cmdLandscape")->click();
    // Body outlines are shown until the user hides them.
    QVERIFY(find<QAction>("actShowBodies")->isChecked() &&
            find<StageView>("stage")->stagePainter().showBodies());
    find<QAction>("actShowBodies")->trigger();
    QVERIFY(!find<StageView>("stage")->stagePainter().showBodies());

    window.reset(); // each window starts from what the one before left
    window = std::make_unique<frmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(find("stageDock")->isVisible());
    QVERIFY(find<QAction>("stageToggle")->isChecked());
    QCOMPARE(find<StageView>("stage")->screen(), StageScreen(6, true));
    QVERIFY(!find<QAction>("actShowBodies")->isChecked() &&
            !find<StageView>("stage")->stagePainter().showBodies());
    QTRY_COMPARE(find("tv1")->geometry(), designedTree);
    find("stageDock")->close(); // its own close button hides it for good, too
    window.reset();
    window = std::make_unique<frmMain>();
    QVERIFY(find("stageDock")->isHidden());
}

void tst_StageDock::clickSelectsDragMovesUndoably()
{
    window->addObject(rect(QStringLiteral("hero"), 10, 10));
    window->addObject(rect(QStringLiteral("panel"), 200, 300));
    QVERIFY(openWithStage());
    auto* stage = find<StageView>("stage");
    QTRY_VERIFY(stage->viewport()->width() > 100);
    auto* tree = find<QTreeWidget>("tv1");
    auto* code = find<QsciScintilla>("txtCode");
    auto* document = window->findChild<WorkspaceDocument*>();
    QVERIFY(document);
    const auto heroNow = [&] { return static_cast<const clsDisplay*>(document->objects().at(1)); };
    const QString before = heroNow()->codeSnippet().value();

    // Selecting in the tree outlines on the stage.
    tree->setCurrentItem(
        tree->findItems(QStringLiteral("panel"), Qt::MatchExactly | Qt::MatchRecursive).first());
    QCOMPARE(stage->selectedPosition(), 2);

    // A click on the stage selects as a click on the node does.
    QWidget* viewport = stage->viewport();
    const QPointF grab = stage->mapFromContent(QPointF(30, 30));
    mouse(viewport, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    mouse(viewport, QEvent::MouseButtonRelease, grab, Qt::LeftButton, {});
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("hero"));
    QVERIFY(find<QAction>("delete")->isEnabled());
    QCOMPARE(code->text(), before);

    // One drag, one step.
    const int steps = document->undoStack()->count();
    const QPointF drop = stage->mapFromContent(QPointF(80, 60));
    mouse(viewport, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    mouse(viewport, QEvent::MouseMove, (grab + drop) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(viewport, QEvent::MouseMove, drop, Qt::NoButton, Qt::LeftButton);
    mouse(viewport, QEvent::MouseButtonRelease, drop, Qt::LeftButton, {});
    QCOMPARE(document->undoStack()->count(), steps + 1);
    QCOMPARE(document->undoStack()->undoText(), QStringLiteral("Move hero"));
    QCOMPARE(QPoint(heroNow()->x(), heroNow()->y()), QPoint(60, 40));
    QVERIFY(code->text().contains(QStringLiteral("hero = display.newRect( 60, 40, 100, 100) ")));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("hero"));

    // The window's undo keys reach the document while the stage has the focus.
    QCOMPARE(find<QAction>("actUndo")->text(), QStringLiteral("Undo Move hero"));
    stage->setFocus();
    QTest::keySequence(stage, QKeySequence::Undo);
    QCOMPARE(QPoint(heroNow()->x(), heroNow()->y()), QPoint(10, 10));
    QCOMPARE(code->text(), before);
    QCOMPARE(stage->selectedPosition(), 1);

    // Delete, too, acts on the object selected on the stage.
    QTest::keyClick(stage, Qt::Key_Delete);
    QCOMPARE(document->objects().count(), 1);
    QCOMPARE(document->objects().at(1)->varName(), QStringLiteral("panel"));
}

// On a screen narrower than the window plus the stage (800 pixels here) the window never grows
// past the screen's edge, a stage with no room beside the panes opens floating, and the stage
// never covers the panes.
void tst_StageDock::stageNeverCoversThePanes()
{
    const QSize designedMinimum = window->minimumSize();
    const int available = window->screen()->availableGeometry().width();
    auto* dock = find<QDockWidget>("stageDock");
    QVERIFY(window->frameGeometry().width() + dock->sizeHint().width() > available);
    QVERIFY(openWithStage());
    QVERIFY(window->frameGeometry().width() <= available);
    QCOMPARE(dock->isFloating(), window->minimumWidth() + dock->minimumSizeHint().width() > available);
    auto* code = find<QsciScintilla>("txtCode");
    QTRY_VERIFY(code->geometry().right() < window->centralWidget()->width());

    // Shrunk as far as it goes, the window still shows the whole code pane, scroll bar included.
    dock->setFloating(false);
    window->resize(1, 1);
    QTRY_VERIFY(code->geometry().right() < window->centralWidget()->width());

    // A floating or hidden stage takes no room from the window.
    dock->setFloating(true);
    QCOMPARE(window->minimumSize(), designedMinimum);
    dock->setFloating(false);
    QVERIFY(window->minimumWidth() > designedMinimum.width());
    find<QAction>("stageToggle")->trigger();
    QTRY_VERIFY(dock->isHidden());
    QCOMPARE(window->minimumSize(), designedMinimum);
}

void tst_StageDock::noHiddenWayToDropToolbarOrStage_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("menu bar") << QStringLiteral("MenuBar1");
    QTest::newRow("stage title") << QStringLiteral("stageDock");
}

void tst_StageDock::noHiddenWayToDropToolbarOrStage()
{
    QFETCH(QString, clicked);
    QVERIFY(openWithStage());
    auto* target = find(clicked);
    QTRY_VERIFY(target->isVisible());

    // A right click offers no menu that would hide the toolbar, or the stage behind its
    // toggle's back.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    if (popup)
        popup->close();
    QVERIFY(!popup);
}

// Every resize settles, in a game folder and in one with only main.lua: the stage lays itself out
// a few times, then the event loop goes idle.
void tst_StageDock::stageComesToRest()
{
    QTemporaryDir dir;
    for (const char* name : {"game/main.lua", "game/config.lua", "bare/main.lua"}) {
        QDir().mkpath(QFileInfo(dir.filePath(QLatin1String(name))).path());
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(name).endsWith("config.lua")
                       ? "application = { content = { width = 320, height = 480 } }"
                       : "--");
    }
    window->addObject(rect(QStringLiteral("wide"), 200, 40)); // reaches past the screen's edge
    QVERIFY(openWithStage());
    find<QDockWidget>("stageDock")->setFloating(false);
    auto* stage = find<StageView>("stage");
    LayoutCounter layouts;
    for (QWidget* watched : std::initializer_list<QWidget*>{stage->viewport(), stage->horizontalScrollBar(),
                                                            stage->verticalScrollBar()})
        watched->installEventFilter(&layouts);
    const auto settle = [] {
        for (int round = 0; round < 12; ++round)
            QCoreApplication::processEvents();
    };
    for (const char* folder : {"game", "bare"}) {
        fileDialog()->setNextFileName(dir.filePath(QLatin1String(folder)));
        window->findChild<QAction*>(QStringLiteral("actProjectFolder"))->trigger();
        for (int preset = 0; preset < 6; ++preset) {
            find<QComboBox>("cboScreen")->setCurrentIndex(preset);
            emit find<QComboBox>("cboScreen")->activated(preset);
            QTRY_VERIFY(!window->findChild<ProjectSession*>()->isReading());
            for (int width = 1000; width <= 1300; width += 31) {
                for (int height = 700; height <= 900; height += 19) {
                    layouts.count = 0;
                    window->resize(width, height);
                    settle();
                    const int passes = layouts.count;
                    settle();
                    QVERIFY2(
                        layouts.count == passes && passes < LayoutCounter::limit,
                        qPrintable(
                            QStringLiteral("%1 × %2, %3 %4").arg(width).arg(height).arg(folder).arg(preset)));
                }
            }
        }
    }
}

QTEST_MAIN(tst_StageDock)
#include "tst_StageDock.moc"
