#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FakeShell.h"
#include "frmMain.h"
#include "Golden.h"
#include "ObjectTree.h"
#include "StageView.h"
#include "TestSettings.h"
#include "Ui.h"
#include "WorkspaceDocument.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>
#include <QWidgetAction>

namespace {

// "D hero" makes a Rect display named hero; "I name" a display of no known kind, which has
// no snippet; "F name" a text label whose font is code; "T name" a transition; "A name" an alert.
std::unique_ptr<ModelObject> makeObject(const QString& descriptor)
{
    const QChar kind = descriptor.at(0);
    std::unique_ptr<ModelObject> object;
    if (kind == 'D' || kind == 'I' || kind == 'F') {
        auto display = std::make_unique<clsDisplay>();
        display->init();
        display->setDObjType(qint16(kind == 'D'   ? clsDisplay::Rect
                                    : kind == 'F' ? clsDisplay::Text
                                                  : clsDisplay::kindCount));
        if (kind == 'F')
            display->setSFontName("native.systemFont ) os.exit() --");
        object = std::move(display);
    } else if (kind == 'T') {
        object = std::make_unique<clsTransition>();
    } else {
        object = std::make_unique<clsAlert>();
    }
    object->setVarName(descriptor.mid(2));
    return object;
}

QString snippetOf(const QString& descriptor, GraphicsApi api = GraphicsApi::V1)
{
    return descriptor.isEmpty() ? QString() : makeObject(descriptor)->codeSnippet(api).value();
}

// Pre-order: "index key text parent", "+" for an expanded node.
QStringList describe(QTreeWidget* tree)
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QTreeWidgetItem* node = *it;
        lines << QStringLiteral("%1 %2 %3 %4%5")
                     .arg(ObjectTree::nodeIndex(node))
                     .arg(ObjectTree::key(node), node->text(0),
                          node->parent() ? ObjectTree::key(node->parent()) : "-",
                          node->isExpanded() ? " +" : "");
    }
    return lines;
}

// Rejects the first dialog to come up while guard lives, and tells its class and owner.
void rejectModal(QObject* guard, QString* name, QWidget** owner)
{
    QTimer::singleShot(10, guard, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return rejectModal(guard, name, owner);
        *name = dialog->metaObject()->className();
        *owner = dialog->parentWidget();
        dialog->reject();
    });
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init();
    void treeAfterChanges_data();
    void treeAfterChanges();
    void treeColumnFitsWidestNode_data();
    void treeColumnFitsWidestNode();
    void clickRules_data();
    void clickRules();
    void toolbarIcons();
    void layoutFollowsWindow();
    void commands_data();
    void commands();
    void copyCommands_data();
    void copyCommands();
    void copyAndScrollFollowPane();
    void luaCheck();
    void arrowKeysInTree();
    void tabWalk_data();
    void tabWalk();
    void viewMenu();
    void graphicsTarget();
    void editorOkSelectsItsObject();
    void f1OpensTheWordsPage();

private:
    template <typename T = QWidget> T* find(const QString& name) const
    {
        return Ui::find<T>(main.get(), name);
    }
    QTreeWidget* tree() const { return find<QTreeWidget>("tv1"); }
    QsciScintilla* code() const { return find<QsciScintilla>("txtCode"); }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    QString pane() const { return code()->text(); }
    QList<int> markedLines() const; // 1-based lines carrying the error marker
    QTreeWidgetItem* node(const QString& key) const;
    void click(const QString& key, Qt::MouseButton button = Qt::LeftButton);
    void apply(const QString& ops);
    void activate();

    std::unique_ptr<FakeShell> shell;
    std::unique_ptr<frmMain> main;
};

void tst_frmMain::init()
{
    QSettings().clear();               // every window starts as on the very first run,
    QSettings().setValue("target", 1); // but for Graphics 1.0, which most tables here are written for
    main.reset();                      // the old window and shell go before the new shell takes over
    shell.reset();
    shell = std::make_unique<FakeShell>();
    main = std::make_unique<frmMain>();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
}

void tst_frmMain::activate()
{
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

QList<int> tst_frmMain::markedLines() const
{
    QList<int> lines;
    for (int line = 0; line < code()->lines(); ++line)
        if (code()->markersAtLine(line) != 0)
            lines << line + 1;
    return lines;
}

QTreeWidgetItem* tst_frmMain::node(const QString& key) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it)
        if (ObjectTree::key(*it) == key)
            return *it;
    return nullptr;
}

// A node by key, or "blank" for the empty space below the nodes.
void tst_frmMain::click(const QString& key, Qt::MouseButton button)
{
    QWidget* viewport = tree()->viewport();
    if (key == "blank")
        return QTest::mouseClick(viewport, button, {}, QPoint(5, viewport->height() - 3));
    QTreeWidgetItem* target = node(key);
    QVERIFY2(target, qPrintable(key));
    tree()->scrollToItem(target);
    QTest::mouseClick(viewport, button, {}, tree()->visualItemRect(target).center());
}

// "D hero;T fade" adds; "-hero" clicks the node with that text and presses delete.
void tst_frmMain::apply(const QString& ops)
{
    for (const QString& op : ops.split(';', Qt::SkipEmptyParts)) {
        if (!op.startsWith('-')) {
            main->addObject(makeObject(op));
            continue;
        }
        const auto found = tree()->findItems(op.mid(1), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        click(ObjectTree::key(found.first()));
        Ui::press(main.get(), "delete");
    }
}

void tst_frmMain::treeAfterChanges_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QStringList>("tree");
    for (const QStringList& row : Golden::rows("workspace/golden/TreeAfterChanges.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row.value(1) << row.value(2).split("; ");
}

void tst_frmMain::treeAfterChanges()
{
    QFETCH(QString, ops);
    apply(ops);
    QTEST(describe(tree()), "tree");
    QVERIFY(tree()->selectedItems().isEmpty());
    QVERIFY(!action("delete")->isEnabled());
    if (ops.contains('-'))
        QCOMPARE(pane(), QString());
}

void tst_frmMain::treeColumnFitsWidestNode_data()
{
    QTest::addColumn<int>("position"); // of the long name among 60 objects
    QTest::addColumn<int>("length");
    QTest::newRow("long name scrolled out of view") << 1 << 12;
    QTest::newRow("name wider than the tree, in view") << 60 << 90;
}

void tst_frmMain::treeColumnFitsWidestNode()
{
    QFETCH(int, position);
    QFETCH(int, length);
    for (int i = 1; i <= 60; ++i) {
        apply(i == position ? "D " + QString(length, 'W') : QStringLiteral("T t%1").arg(i));
        QCoreApplication::processEvents(); // as between two editors
    }
    tree()->scrollToTop();
    QCoreApplication::processEvents();
    // What the view itself asks for when it measures every row.
    tree()->header()->setResizeContentsPrecision(-1);
    const int widest = static_cast<QAbstractItemView*>(tree())->sizeHintForColumn(0);
    QVERIFY2(tree()->columnWidth(0) >= widest, qPrintable(QString::number(widest)));
    QVERIFY(tree()->horizontalScrollBar()->maximum() >= widest - tree()->viewport()->width());
}

void tst_frmMain::clickRules_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("editFirst"); // the user changed the pane's text before
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<QString>("shown"); // the object whose snippet the pane then holds
    for (const QStringList& row : Golden::rows("workspace/golden/ClickRules.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << row.value(1) << (row.value(2) == "edit") << (row.value(3) == "on") << row.value(4);
}

void tst_frmMain::clickRules()
{
    QFETCH(QString, target);
    QFETCH(bool, editFirst);
    QFETCH(bool, deleteEnabled);
    QFETCH(QString, shown);
    apply("D hero;T a\\b;I pic;A hero");
    click("D-1");
    QVERIFY(action("delete")->isEnabled());
    if (editFirst)
        code()->setText("edited");
    click(target);
    if (target == "blank")
        QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node("D-1")});
    QCOMPARE(action("delete")->isEnabled(), deleteEnabled);
    // The Edit menu's entries follow: Delete Object its button, Edit Object the selection.
    QCOMPARE(action("actDeleteObject")->isEnabled(), deleteEnabled);
    QCOMPARE(action("actEdit")->isEnabled(), deleteEnabled);
    QCOMPARE(pane(), shown == "edited" ? shown : snippetOf(shown));
}

void tst_frmMain::toolbarIcons()
{
    // The pictures are SVG: a missing icon engine or resource gives an empty image.
    for (QAction* action : find<QToolBar>("Toolbar1")->actions()) {
        const QImage picture = action->icon().pixmap(32, 32).toImage();
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                drawn += picture.pixelColor(x, y).alpha() > 0;
        QVERIFY2(action->isSeparator() || qobject_cast<QWidgetAction*>(action) || drawn > 100,
                 qPrintable(action->objectName()));
    }
}

void tst_frmMain::layoutFollowsWindow()
{
    const auto inWindow = [this](QWidget* w) { return QRect(w->mapTo(main.get(), QPoint(0, 0)), w->size()); };
    // Whatever height the desktop gives the bars, the panes start as designed just below the toolbar.
    const int top = find("Toolbar1")->geometry().bottom() + 1 + 2;
    QCOMPARE(inWindow(tree()), QRect(8, top, 297, 385));
    QCOMPARE(inWindow(code()), QRect(312, top, 449, 385));
    QCOMPARE(main->width(), 769);
    main->resize(main->size() + QSize(123, 45));
    QTRY_COMPARE(inWindow(code()), QRect(312, top, 449 + 123, 385 + 45));
    QCOMPARE(inWindow(tree()), QRect(8, top, 297, 385 + 45));
    main->resize(100, 100);
    QCOMPARE(main->size(), main->minimumSize());
    QTRY_COMPARE(inWindow(code()), QRect(312, top, 449, 110));
    QCOMPARE(inWindow(tree()), QRect(8, top, 297, 110));
}

void tst_frmMain::commands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("inTree");   // the tree has the focus; else the code pane
    QTest::addColumn<QString>("entry"); // the menu entry, when no keys
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("rebuilds"); // nothing selected, delete disabled
    for (const QStringList& row : Golden::rows("workspace/golden/Commands.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << QKeySequence::fromString(row.value(1)) << (row.value(2) == "tree") << row.value(3)
            << row.value(4) << (row.value(5) == "rebuilds");
}

void tst_frmMain::commands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, inTree);
    QFETCH(QString, entry);
    QFETCH(QString, dialog);
    QFETCH(bool, rebuilds);
    QVERIFY(keys.isEmpty() != entry.isEmpty()); // keys that did not parse would test nothing
    activate();
    apply("D hero;T fade");
    click("D-1");
    QWidget* focus = inTree ? static_cast<QWidget*>(tree()) : code();
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());

    QString shown;
    QWidget* owner = nullptr;
    QObject guard;
    rejectModal(&guard, &shown, &owner);
    if (entry.isEmpty()) {
        Ui::keys(keys);
    } else if (entry.startsWith("mnu")) {
        auto* menu = find<QMenu>("mnuContext");
        click("T-2", Qt::RightButton);
        QVERIFY(menu->isVisible());
        menu->hide();
        action(entry)->trigger();
    } else {
        action(entry)->trigger();
    }
    QCOMPARE(shown, dialog);
    QCOMPARE(owner, dialog.isEmpty() ? nullptr : main.get());
    QCOMPARE(describe(tree()).size(), dialog.isEmpty() && rebuilds ? 5 : 6);
    QCOMPARE(tree()->selectedItems().isEmpty(), rebuilds);
    QCOMPARE(action("delete")->isEnabled(), !rebuilds);
    if (!dialog.isEmpty())
        QCOMPARE(pane(), snippetOf("D hero"));
}

void tst_frmMain::copyCommands_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("command"); // a toolbar key, a menu entry, or keys
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("note");
    for (const QStringList& row : Golden::rows("workspace/golden/CopyCommands.txt")) {
        QStringList copied;
        for (const QString& descriptor : row.value(3).split(';'))
            copied << (descriptor == "before" ? descriptor : snippetOf(descriptor));
        QTest::newRow(qPrintable(row.value(0)))
            << row.value(1) << row.value(2) << copied.join("\r\n") << row.value(4);
    }
}

// Copying changes nothing but the clipboard and the note, which fits even the narrowest window.
void tst_frmMain::copyCommands()
{
    QFETCH(QString, ops);
    QFETCH(QString, command);
    QFETCH(QString, note);
    activate();
    main->resize(main->minimumWidth(), main->height());
    apply(ops);
    const QString first = ObjectTree::key(tree()->topLevelItem(0)->child(0)->child(0));
    click(first);
    QGuiApplication::clipboard()->setText("before");
    const QStringList before = describe(tree());
    const QString shown = pane();
    const bool deleteOn = action("delete")->isEnabled();

    if (command.startsWith("Ctrl"))
        QTest::keySequence(tree(), QKeySequence(command));
    else
        Ui::press(main.get(), command);

    QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    QCOMPARE(describe(tree()), before);
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node(first)});
    QCOMPARE(action("delete")->isEnabled(), deleteOn);
    QCOMPARE(pane(), shown);
    auto* label = find<QLabel>("lblNote");
    QCOMPARE(label->text(), note);
    QVERIFY(label->isVisible());
    QCoreApplication::processEvents();
    // What is painted: the text itself unless the label paints a shorter one, within the window.
    const QVariant painted = label->property("shownText");
    const QString text = painted.isValid() ? painted.toString() : label->text();
    QVERIFY(label->mapTo(main.get(), QPoint(label->width(), 0)).x() <= main->width());
    QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(), qPrintable(text));
    if (text != note)
        QVERIFY2(text.endsWith(QChar(0x2026)) && note.startsWith(text.chopped(1)) && label->toolTip() == note,
                 qPrintable(text));
}

// Copy, its menu entry and the sideways scroll bar follow the pane's text, whoever changed it.
void tst_frmMain::copyAndScrollFollowPane()
{
    // 1 when Copy and its Edit menu entry are both on, 0 both off, -1 when they differ.
    const auto copyOn = [this] {
        const bool on = action("copy")->isEnabled();
        return on == action("actCopySnippet")->isEnabled() ? int(on) : -1;
    };
    const auto thumb = [this] {
        code()->viewport()->repaint(); // the pane measures its lines as it paints them
        QCoreApplication::processEvents();
        const QScrollBar* bar = code()->horizontalScrollBar();
        return bar->isVisible() && bar->maximum() > 0;
    };
    QVERIFY(!thumb()); // nothing to scroll to or copy in an empty pane
    QCOMPARE(copyOn(), 0);
    const QString wide = "D " + QString(300, 'w');
    apply(wide + ";A ask");
    tree()->setCurrentItem(node("D-1"));
    QCOMPARE(pane(), snippetOf(wide));
    QVERIFY(thumb());
    QCOMPARE(copyOn(), 1);

    code()->setFocus();
    code()->selectAll();
    QTest::keyClick(code(), Qt::Key_Delete);
    QCOMPARE(copyOn(), 0);
    QTest::keyClicks(code(), "x = 1");
    QCOMPARE(copyOn(), 1);
    action("copy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x = 1"));

    Ui::press(main.get(), "delete");
    QCOMPARE(pane(), QString());
    QVERIFY(!thumb());
    QCOMPARE(copyOn(), 0);
}

// The causes and warnings themselves are SnippetAdvisor's; here how the window shows them.
void tst_frmMain::luaCheck()
{
    apply("D end;D hero;D hero;A ask;I pic");
    const QRect clean = code()->geometry();
    auto* line = find<QLabel>("lblCheck");
    const auto text = [line] { return QTextDocumentFragment::fromHtml(line->text()).toPlainText(); };
    const auto shows = [&](const QString& start, const QString& hint, const QString& severity) {
        QVERIFY(line->isVisible());
        QCOMPARE(line->geometry().left(), clean.left());
        QVERIFY(line->geometry().top() > code()->geometry().bottom());
        QVERIFY2(text().startsWith(start) && text().contains(hint), qPrintable(text()));
        QCOMPARE(line->property("severity").toString(), severity);
    };
    click("D-1");
    QCOMPARE(pane(), snippetOf("D end")); // the check leaves the text alone
    shows("Lua cannot compile this snippet: line 2: ",
          "  Hint: The variable name \u201Cend\u201D is a Lua keyword", "error");
    QCOMPARE(markedLines(), QList<int>{2});
    click("D-2");
    shows("Warning: The variable name \u201Chero\u201D is also used", "", "warning");
    QCOMPARE(markedLines(), QList<int>());
    click("D-5");
    shows("No Lua for this object: a display object needs a kind", "", "note");
    QVERIFY(pane().isEmpty() && !action("copy")->isEnabled());

    click("A-4");
    QVERIFY(action("copy")->isEnabled() && line->isHidden());
    QCOMPARE(code()->geometry(), clean);
    click("D-1");
    Ui::press(main.get(), "delete");
    QVERIFY(line->isHidden() && markedLines().isEmpty());
    QCOMPARE(code()->geometry(), clean);
}

void tst_frmMain::arrowKeysInTree()
{
    apply("D hero;T fade;I pic");
    tree()->setFocus();
    tree()->setCurrentItem(node("Root"));
    // Where each key leads: the node, the delete button, the object whose snippet is shown.
    for (const QStringList& step : Golden::rows("workspace/golden/ArrowKeys.txt")) {
        QTest::keySequence(tree(), QKeySequence::fromString(step.value(0)));
        QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node(step.value(1))});
        QCOMPARE(action("delete")->isEnabled(), step.value(2) == "on");
        QCOMPARE(pane(), snippetOf(step.value(3)));
    }
}

// Every control by keyboard: Tab and Shift+Tab walk the window, also out of the code pane,
// and Escape takes the pane back to the tree.
void tst_frmMain::tabWalk_data()
{
    QTest::addColumn<bool>("stage");
    QTest::addColumn<QStringList>("walk");
    for (const QStringList& row : Golden::rows("workspace/golden/TabWalk.txt"))
        QTest::newRow(qPrintable(row.value(0))) << (row.value(1) == "shown") << row.value(2).split(' ');
}

void tst_frmMain::tabWalk()
{
    QFETCH(bool, stage);
    QFETCH(QStringList, walk);
    activate();
    if (stage) {
        action("stageToggle")->trigger();
        // The test screen is too narrow for window and stage side by side: dock it anyway.
        main->findChild<QDockWidget*>()->setFloating(false);
    }
    apply("D hero");
    click("D-1");
    const QString text = pane();
    tree()->setFocus();
    QCOMPARE(Ui::focusWalk(Qt::Key_Tab), walk);
    QCOMPARE(Ui::focusWalk(Qt::Key_Backtab),
             QStringList{"tv1"} + QStringList(walk.rbegin(), walk.rend() - 1));
    code()->setFocus();
    QTest::keyClick(code(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), walk.at(2));
    code()->setFocus();
    QTest::keyClick(code(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), tree());
    QCOMPARE(pane(), text);
}

// The View menu and the controls it mirrors follow each other, whichever the user works.
void tst_frmMain::viewMenu()
{
    activate();
    const QList<QAction*> menus = find<QMenuBar>("MenuBar1")->actions();
    QCOMPARE(menus.size() > 2 ? menus.at(2)->menu() : nullptr, find<QMenu>("mnuViewMenu"));
    QCOMPARE(menus.at(2)->text(), QStringLiteral("&View"));
    QVERIFY(find<QMenu>("mnuViewMenu")->actions().contains(action("stageToggle")));

    auto* screens = find<QComboBox>("cboScreen");
    for (int i = 0; i < screens->count(); ++i)
        QCOMPARE(action(QStringLiteral("actScreen%1").arg(i))->text(), screens->itemText(i));
    const QList<QAction*> screenEntries{action("actScreen1"), action("actLandscape"), action("actFitStage")};
    for (bool shown : {false, true}) {
        for (QAction* entry : screenEntries)
            QCOMPARE(entry->isEnabled(), shown);
        action("stageToggle")->setChecked(false);
        action("stageToggle")->trigger();
    }
    auto* view = find<StageView>("stage");
    action("actScreen1")->trigger();
    action("actLandscape")->trigger();
    QCOMPARE(view->screen(), StageScreen(1, true));
    QVERIFY(find<QToolButton>("cmdLandscape")->isChecked());
    QCOMPARE(QSettings().value("stage/landscape").toBool(), true); // as when chosen on the stage
    screens->setFocus();
    QTest::keyClick(screens, Qt::Key_Down);
    find<QToolButton>("cmdLandscape")->click();
    QVERIFY(action("actScreen2")->isChecked() && !action("actScreen1")->isChecked());
    QVERIFY(!action("actLandscape")->isChecked());
    view->setZoom(2);
    tree()->setFocus();
    Ui::keys(QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(view->zoom(), 1.0);
}

// The target, from the drop-down after Copy or from the View menu, rewrites the pane and what
// Copy and Copy All take, and outlives the window.
void tst_frmMain::graphicsTarget()
{
    auto* combo = find<QComboBox>("cboTarget");
    auto* toolbar = find<QToolBar>("Toolbar1");
    QWidget* box = combo->parentWidget();
    QWidget* copy = toolbar->widgetForAction(action("copy"));
    QVERIFY(box->parentWidget() == toolbar && box->geometry().left() > copy->geometry().right());
    QVERIFY(toolbar->widgetForAction(action("stageToggle"))->geometry().left() > box->geometry().right());
    // It fits beside the buttons, so the toolbar is no taller for it.
    QVERIFY(box->sizeHint().height() <= copy->sizeHint().height());
    QVERIFY(!combo->toolTip().isEmpty() && !combo->toolTip().contains('\n'));
    const QStringList captions{"Corona (Graphics 1.0)", "Solar2D (Graphics 2.0)"};
    QCOMPARE(QStringList({combo->itemText(0), combo->itemText(1)}), captions);
    QCOMPARE(QStringList({action("actTargetV1")->text(), action("actTargetV2")->text()}), captions);
    QVERIFY(action("actTargetV1")->isChecked() && main->currentApi() == GraphicsApi::V1);

    apply("D end;A ask");
    click("D-1");
    action("actTargetV2")->trigger();
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(pane(), snippetOf("D end", GraphicsApi::V2));
    // The check ran again on the new text, whose creation line is its first.
    QCOMPARE(markedLines(), QList<int>{1});
    Ui::press(main.get(), "copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), snippetOf("D end", GraphicsApi::V2));
    action("mnuCopyAll")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             snippetOf("D end", GraphicsApi::V2) + "\r\n" + snippetOf("A ask", GraphicsApi::V2));
    {
        frmMain restarted;
        QCOMPARE(Ui::find<QComboBox>(&restarted, "cboTarget")->currentIndex(), 1);
        QVERIFY(Ui::find<QAction>(&restarted, "actTargetV2")->isChecked());
    }
    combo->setCurrentIndex(0);
    QVERIFY(action("actTargetV1")->isChecked() && !action("actTargetV2")->isChecked());
    QCOMPARE(pane(), snippetOf("D end"));
    QCOMPARE(frmMain().currentApi(), GraphicsApi::V1);
}

// The object an editor added or changed is the one selected, shown, outlined and copied.
void tst_frmMain::editorOkSelectsItsObject()
{
    activate();
    apply("D hero;F sign;T fade");
    const auto* document = main->findChild<WorkspaceDocument*>();
    const auto check = [&](qsizetype position) {
        const ModelObject* object = document->objects().at(position);
        QCOMPARE(tree()->selectedItems().value(0), ObjectTree::nodeFor(tree(), position));
        QCOMPARE(pane(), object->codeSnippet(main->currentApi()).value());
        QCOMPARE(find<StageView>("stage")->selectedPosition(), position);
        QCOMPARE(main->focusWidget(), tree()); // where the focus is once the window is active again
        Ui::press(main.get(), "copy");
        QCOMPARE(QGuiApplication::clipboard()->text(), pane());
    };
    Ui::whenModal([](QWidget* modal) {
        Ui::fill(modal, {"txtVarName=ask", "txtMsg=m", "mnuOKButton"});
        Ui::end(modal, "cmdOK");
    });
    Ui::press(main.get(), "alert");
    check(4);
    click("D-1");
    code()->setFocus();
    Ui::whenModal([](QWidget* modal) {
        Ui::fill(modal, {"txtX=50"});
        Ui::end(modal, "cmdOK");
    });
    action("actEdit")->trigger();
    check(1);
    // A field that is code keeps its place, and the check line says what is wrong.
    click("D-2");
    QVERIFY(find<QLabel>("lblCheck")
                ->text()
                .contains("The font is not a font name: native.systemFont ) os.exit() --"));
}

// F1 in the pane opens the page of the word at the cursor.
void tst_frmMain::f1OpensTheWordsPage()
{
    activate();
    apply("D hero");
    click("D-1");
    const int line = int(pane().left(pane().indexOf("display.newRect")).count('\n'));
    code()->setFocus();
    code()->setCursorPosition(line, code()->text(line).indexOf("newRect"));
    QTRY_VERIFY(code()->hasFocus());
    Ui::keys(QKeySequence(Qt::Key_F1));
    QCOMPARE(shell->openedUrls,
             QList<QUrl>{QUrl("https://docs.coronalabs.com/api/library/display/newRect.html")});
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
