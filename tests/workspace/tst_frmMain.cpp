#include "BuildInfo.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FakeShell.h"
#include "frmMain.h"
#include "ObjectTree.h"
#include "TestSettings.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>
#include <QWidgetAction>

namespace {

// "D hero" makes a Rect display named hero; "I name" a display of no known kind, which has
// no snippet; "T name" a transition; "A name" an alert.
std::unique_ptr<ModelObject> makeObject(const QString& descriptor)
{
    const QChar kind = descriptor.at(0);
    std::unique_ptr<ModelObject> object;
    if (kind == QLatin1Char('D') || kind == QLatin1Char('I')) {
        auto display = std::make_unique<clsDisplay>();
        display->init();
        display->setDObjType(qint16(kind == QLatin1Char('D') ? clsDisplay::Rect : clsDisplay::kindCount));
        object = std::move(display);
    } else if (kind == QLatin1Char('T')) {
        object = std::make_unique<clsTransition>();
    } else {
        object = std::make_unique<clsAlert>();
    }
    object->setVarName(descriptor.mid(2));
    return object;
}

QString snippetOf(const QString& descriptor, GraphicsApi api = GraphicsApi::V1)
{
    return makeObject(descriptor)->codeSnippet(api).value();
}

// Pre-order: "index key text parent", "+" for an expanded node.
QStringList describe(QTreeWidget* tree)
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QTreeWidgetItem* node = *it;
        lines.append(QStringLiteral("%1 %2 %3 %4%5")
                         .arg(ObjectTree::nodeIndex(node))
                         .arg(ObjectTree::key(node), node->text(0),
                              node->parent() ? ObjectTree::key(node->parent()) : QStringLiteral("-"),
                              node->isExpanded() ? QStringLiteral(" +") : QString()));
    }
    return lines;
}

// Rejects the first modal dialog to come up while guard lives, and tells its class and owner.
void rejectModal(QObject* guard, QString* name, QWidget** owner)
{
    QTimer::singleShot(10, guard, [=] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            *name = QLatin1String(dialog->metaObject()->className());
            *owner = dialog->parentWidget();
            dialog->reject();
        } else {
            rejectModal(guard, name, owner);
        }
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
    void deleteWithoutObjectNodeRemovesNothing();
    void statusBarLinks_data();
    void statusBarLinks();
    void toolbarIcons();
    void layoutFollowsWindow();
    void commands_data();
    void commands();
    void copyCommands_data();
    void copyCommands();
    void copyAndScrollFollowPane();
    void noteFitsStatusBar_data();
    void noteFitsStatusBar();
    void luaCheck();
    void keyboardNavigation();
    void graphicsTarget();
    void tabOrder();

private:
    QTreeWidget* tree() const { return main->findChild<QTreeWidget*>(QStringLiteral("tv1")); }
    QToolBar* toolbar() const { return main->findChild<QToolBar*>(QStringLiteral("Toolbar1")); }
    QsciScintilla* code() const { return main->findChild<QsciScintilla*>(QStringLiteral("txtCode")); }
    QMenu* menu() const { return main->findChild<QMenu*>(QStringLiteral("mnuContext")); }
    QAction* deleteButton() const { return toolbar()->findChild<QAction*>(QStringLiteral("delete")); }
    QString pane() const { return code()->text(); }
    QLabel* label(const QString& name) const
    {
        return main->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->findChild<QLabel*>(name);
    }
    QLabel* checkLine() const { return main->findChild<QLabel*>(QStringLiteral("lblCheck")); }
    static QComboBox* target(const frmMain& window)
    {
        return window.findChild<QComboBox*>(QStringLiteral("cboTarget"));
    }
    QList<int> markedLines() const; // 1-based lines carrying the error marker
    QTreeWidgetItem* node(const QString& key) const;
    void click(const QString& key, Qt::MouseButton button = Qt::LeftButton);
    void pressToolbar(const QString& key);
    void apply(const QString& ops);

    std::unique_ptr<FakeShell> shell;
    std::unique_ptr<frmMain> main;
};

void tst_frmMain::init()
{
    QSettings().clear(); // every window starts as on the very first run
    main.reset();        // the old window and shell go before the new shell takes over
    shell.reset();
    shell = std::make_unique<FakeShell>();
    main = std::make_unique<frmMain>();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
}

QList<int> tst_frmMain::markedLines() const
{
    QList<int> lines;
    for (int line = 0; line < code()->lines(); ++line) {
        if (code()->markersAtLine(line) != 0)
            lines.append(line + 1);
    }
    return lines;
}

QTreeWidgetItem* tst_frmMain::node(const QString& key) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
        if (ObjectTree::key(*it) == key)
            return *it;
    }
    return nullptr;
}

// A node by key, or "blank" for the empty space below the nodes.
void tst_frmMain::click(const QString& key, Qt::MouseButton button)
{
    QWidget* viewport = tree()->viewport();
    if (key == QLatin1String("blank"))
        return QTest::mouseClick(viewport, button, {}, QPoint(5, viewport->height() - 3));
    QTreeWidgetItem* target = node(key);
    QVERIFY2(target, qPrintable(key));
    tree()->scrollToItem(target);
    QTest::mouseClick(viewport, button, {}, tree()->visualItemRect(target).center());
}

void tst_frmMain::pressToolbar(const QString& key)
{
    QWidget* button = toolbar()->widgetForAction(toolbar()->findChild<QAction*>(key));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// "D hero;T fade" adds; "-hero" clicks the node with that text and presses delete.
void tst_frmMain::apply(const QString& ops)
{
    for (const QString& op : ops.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!op.startsWith(QLatin1Char('-'))) {
            main->addObject(makeObject(op));
            continue;
        }
        const auto found = tree()->findItems(op.mid(1), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        click(ObjectTree::key(found.first()));
        pressToolbar(QStringLiteral("delete"));
    }
}

void tst_frmMain::treeAfterChanges_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QStringList>("tree");
    const QStringList fixed{"1 Root Objects Created - +", "2 Display Display Root", "3 Alert Alert Root",
                            "4 Transition Transition Root"};
    QTest::newRow("empty") << "" << fixed;
    QTest::newRow("delete first of three")
        << "D hero;T fade;D box;-hero"
        << QStringList{
               "1 Root Objects Created - +", "2 Display Display Root +",       "6 D-2 box Display",
               "3 Alert Alert Root",         "4 Transition Transition Root +", "5 T-1 fade Transition"};
    QTest::newRow("delete the only one") << "A ask;-ask" << fixed;
    QTest::newRow("same name twice, backslashes")
        << "A twin;A twin;T a\\b\\c"
        << QStringList{"1 Root Objects Created - +", "2 Display Display Root",
                       "3 Alert Alert Root +",       "5 A-1 twin Alert",
                       "6 A-2 twin Alert",           "4 Transition Transition Root +",
                       "7 T-3 a\\b\\c Transition"};
}

void tst_frmMain::treeAfterChanges()
{
    QFETCH(QString, ops);
    QFETCH(QStringList, tree);
    apply(ops);
    QCOMPARE(describe(this->tree()), tree);
    QVERIFY(this->tree()->selectedItems().isEmpty());
    QVERIFY(!deleteButton()->isEnabled());
    if (ops.contains(QLatin1Char('-')))
        QCOMPARE(pane(), QString());
}

void tst_frmMain::treeColumnFitsWidestNode_data()
{
    QTest::addColumn<int>("position"); // of the long name among 60 objects
    QTest::addColumn<int>("length");
    QTest::newRow("long name scrolled out of view") << 1 << 12;
    QTest::newRow("name wider than the tree, out of view") << 1 << 90;
    QTest::newRow("name wider than the tree, in view") << 60 << 90;
}

void tst_frmMain::treeColumnFitsWidestNode()
{
    QFETCH(int, position);
    QFETCH(int, length);
    const QString longName = QString(length, QLatin1Char('W'));
    for (int i = 1; i <= 60; ++i) {
        apply(i == position ? "D " + longName : QStringLiteral("T t%1").arg(i));
        QCoreApplication::processEvents(); // as between two editors
    }
    tree()->scrollToTop();
    QCoreApplication::processEvents();
    // What the view itself asks for when it measures every row.
    QHeaderView* header = tree()->header();
    const int precision = header->resizeContentsPrecision();
    header->setResizeContentsPrecision(-1);
    const int widest = static_cast<QAbstractItemView*>(tree())->sizeHintForColumn(0);
    header->setResizeContentsPrecision(precision);
    QVERIFY2(tree()->columnWidth(0) >= widest,
             qPrintable(QStringLiteral("%1 < %2").arg(tree()->columnWidth(0)).arg(widest)));
    // A name wider than the tree scrolls into view.
    QVERIFY(tree()->horizontalScrollBar()->maximum() >= widest - tree()->viewport()->width());
}

void tst_frmMain::clickRules_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("editFirst"); // the user changed the pane's text before
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<QString>("shown"); // the object whose snippet the pane then holds
    QTest::newRow("root") << "Root" << true << false << "edited";
    QTest::newRow("branch") << "Display" << false << false << "D hero";
    QTest::newRow("empty branch") << "Alert" << true << false << "edited";
    QTest::newRow("name with backslashes") << "T-2" << true << true << "T a\\b";
    QTest::newRow("same name, own text") << "A-4" << false << true << "A hero";
    // The pane must not go on showing another object's code.
    QTest::newRow("object without snippet") << "D-3" << true << true << "";
    QTest::newRow("blank space re-shows selection") << "blank" << true << true << "D hero";
}

void tst_frmMain::clickRules()
{
    QFETCH(QString, target);
    QFETCH(bool, editFirst);
    QFETCH(bool, deleteEnabled);
    QFETCH(QString, shown);
    apply(QStringLiteral("D hero;T a\\b;I pic;A hero"));
    click(QStringLiteral("D-1"));
    QVERIFY(deleteButton()->isEnabled());
    if (editFirst)
        code()->setText(QStringLiteral("edited"));
    click(target);
    if (target == QLatin1String("blank"))
        QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node(QStringLiteral("D-1"))});
    QCOMPARE(deleteButton()->isEnabled(), deleteEnabled);
    const QString expected = shown == QLatin1String("edited") || shown.isEmpty() ? shown : snippetOf(shown);
    QCOMPARE(pane().toUtf8(), expected.toUtf8());
}

void tst_frmMain::deleteWithoutObjectNodeRemovesNothing()
{
    apply(QStringLiteral("D hero;T fade"));
    click(QStringLiteral("T-2"));
    // Ctrl+click takes the selection away and leaves the delete button as the click set it.
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree()->visualItemRect(node(QStringLiteral("T-2"))).center());
    QVERIFY(tree()->selectedItems().isEmpty());
    QVERIFY(deleteButton()->isEnabled());
    pressToolbar(QStringLiteral("delete"));
    QCOMPARE(describe(tree()).size(), 6);
    QCOMPARE(pane(), snippetOf("T fade"));
    QVERIFY(!deleteButton()->isEnabled());
}

void tst_frmMain::statusBarLinks_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened");
    const QString email = QString::fromUtf8(BuildInfo::feedbackEmail);
    const QString url = QString::fromUtf8(BuildInfo::homepageUrl);
    QTest::newRow("notice") << "notice"
                            << QStringLiteral("© %1 %2").arg(BuildInfo::makerYear, BuildInfo::maker)
                            << QString();
    QTest::newRow("eml") << "eml"
                         << "email: " + email << "mailto:" + email + "?Subject=Feedback on Quillet";
    QTest::newRow("url") << "url"
                         << "url : " + url << url;
}

void tst_frmMain::statusBarLinks()
{
    QFETCH(QString, panel);
    QFETCH(QString, text);
    QFETCH(QString, opened);
    QCOMPARE(label(panel)->text(), text);
    QTest::mouseClick(label(panel), Qt::LeftButton);
    QCOMPARE(shell->openedUrls.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(shell->openedUrls.first().toString(), opened);
}

void tst_frmMain::toolbarIcons()
{
    // The pictures are SVG: a missing icon engine or resource gives an empty image.
    for (QAction* action : toolbar()->actions()) {
        const QImage picture = action->icon().pixmap(32, 32).toImage();
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                drawn += picture.pixelColor(x, y).alpha() > 0;
        }
        QVERIFY2(action->isSeparator() || qobject_cast<QWidgetAction*>(action) || drawn > 100,
                 qPrintable(action->objectName()));
    }
}

void tst_frmMain::layoutFollowsWindow()
{
    const auto inWindow = [this](QWidget* w) { return QRect(w->mapTo(main.get(), QPoint(0, 0)), w->size()); };
    // Whatever height the desktop gives the bars, the panes start as designed just below the toolbar.
    const int top = toolbar()->geometry().bottom() + 1 + 2;
    const QRect tree0 = inWindow(tree()), code0 = inWindow(code());
    QCOMPARE(tree0, QRect(8, top, 297, 385));
    QCOMPARE(code0, QRect(312, top, 449, 385));
    QCOMPARE(main->width(), 769);

    main->resize(main->size() + QSize(123, 45));
    QTRY_COMPARE(inWindow(code()), code0.adjusted(0, 0, 123, 45));
    QCOMPARE(inWindow(tree()), tree0.adjusted(0, 0, 0, 45));

    main->resize(100, 100);
    QCOMPARE(main->size(), main->minimumSize());
    QTRY_COMPARE(inWindow(code()), QRect(312, top, 449, 110));
    QCOMPARE(inWindow(tree()), QRect(8, top, 297, 110));
}

// Shortcuts and the context menu (opened on another node) open their dialog; the closing
// steps then rebuild the tree, except for About from the menu.
void tst_frmMain::commands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("inTree");   // the tree has the focus; else the code pane
    QTest::addColumn<QString>("entry"); // the context menu's entry, when no keys
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("rebuilds"); // nothing selected, delete disabled
    const auto row = [](const char* name, QKeySequence keys, bool inTree, const char* entry,
                        const char* dialog, bool rebuilds) {
        QTest::newRow(name) << keys << inTree << entry << dialog << rebuilds;
    };
    row("Ctrl+1", QKeySequence(Qt::CTRL | Qt::Key_1), true, "", "frmDisplay", true);
    row("Ctrl+2", QKeySequence(Qt::CTRL | Qt::Key_2), false, "", "frmAlert", true);
    row("Ctrl+3", QKeySequence(Qt::CTRL | Qt::Key_3), true, "", "frmTrans", true);
    row("F1", QKeySequence(Qt::Key_F1), false, "", "frmAbout", true);
    row("Del in tree deletes", QKeySequence(Qt::Key_Delete), true, "", "", true);
    row("Del in pane", QKeySequence(Qt::Key_Delete), false, "", "", false);
    row("menu display", {}, true, "mnuDisp", "frmDisplay", true);
    row("menu alert", {}, true, "mnuAlert", "frmAlert", true);
    row("menu trans", {}, true, "mnuTrans", "frmTrans", true);
    row("menu about", {}, true, "mnuAbout", "frmAbout", false);
}

void tst_frmMain::commands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, inTree);
    QFETCH(QString, entry);
    QFETCH(QString, dialog);
    QFETCH(bool, rebuilds);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    apply(QStringLiteral("D hero;T fade"));
    click(QStringLiteral("D-1"));
    QWidget* focus = inTree ? static_cast<QWidget*>(tree()) : code();
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());

    QString shown;
    QWidget* owner = nullptr;
    QObject guard;
    rejectModal(&guard, &shown, &owner);
    if (entry.isEmpty()) {
        QTest::keySequence(focus, keys);
    } else {
        click(QStringLiteral("T-2"), Qt::RightButton);
        QVERIFY(menu()->isVisible());
        menu()->hide();
        menu()->findChild<QAction*>(entry)->trigger();
    }
    QCOMPARE(shown, dialog);
    QCOMPARE(owner, dialog.isEmpty() ? nullptr : main.get());
    const bool deleted = dialog.isEmpty() && rebuilds;
    QCOMPARE(describe(tree()).size(), deleted ? 5 : 6);
    QCOMPARE(tree()->selectedItems().isEmpty(), rebuilds);
    QCOMPARE(deleteButton()->isEnabled(), !rebuilds);
    if (!dialog.isEmpty())
        QCOMPARE(pane(), snippetOf("D hero"));
}

void tst_frmMain::copyCommands_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("command"); // a toolbar key, a menu entry, or "keys" for Ctrl+Shift+C
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("note");
    const QString hero = snippetOf("D hero");
    const QString copied = QStringLiteral("Snippet copied");
    QTest::newRow("copy button") << "D hero;T fade"
                                 << "copy" << hero << copied;
    QTest::newRow("copy keys") << "D hero;T fade"
                               << "keys" << hero << copied;
    QTest::newRow("copy all") << "D hero;I pic;T fade;A ask"
                              << "mnuCopyAll"
                              << hero + "\r\n" + snippetOf("A ask") + "\r\n" + snippetOf("T fade")
                              << "Copied 3 snippets; 1 object has no snippet and was skipped";
    QTest::newRow("copy all, one") << "D hero"
                                   << "mnuCopyAll" << hero << "Copied 1 snippet";
    QTest::newRow("copy all, nothing to copy")
        << "D hero;-hero;I pic;I pic2"
        << "mnuCopyAll"
        << "before"
        << "No snippet to copy; 2 objects have no snippet and were skipped";
}

void tst_frmMain::copyCommands()
{
    QFETCH(QString, ops);
    QFETCH(QString, command);
    QFETCH(QString, clipboard);
    QFETCH(QString, note);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    apply(ops);
    const QString first = ObjectTree::key(tree()->topLevelItem(0)->child(0)->child(0));
    click(first);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QStringList before = describe(tree());
    const QString shown = pane();
    const bool deleteOn = deleteButton()->isEnabled();

    if (command == QLatin1String("keys"))
        QTest::keyClick(tree(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else if (command == QLatin1String("copy"))
        pressToolbar(command);
    else
        menu()->findChild<QAction*>(command)->trigger();

    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), clipboard.toUtf8());
    QCOMPARE(label(QStringLiteral("lblNote"))->text(), note);
    QVERIFY(label(QStringLiteral("lblNote"))->isVisible());
    QCOMPARE(describe(tree()), before);
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node(first)});
    QCOMPARE(deleteButton()->isEnabled(), deleteOn);
    QCOMPARE(pane(), shown);
}

// Copy and the sideways scroll bar follow the pane's text, whoever changed it.
void tst_frmMain::copyAndScrollFollowPane()
{
    QAction* copy = toolbar()->findChild<QAction*>(QStringLiteral("copy"));
    const auto thumb = [this] {
        code()->viewport()->repaint(); // the pane measures its lines as it paints them
        QCoreApplication::processEvents();
        const QScrollBar* bar = code()->horizontalScrollBar();
        return bar->isVisible() && bar->maximum() > 0;
    };
    QVERIFY(!thumb()); // nothing to scroll to or copy in an empty pane
    QVERIFY(!copy->isEnabled());
    const QString wide = "D " + QString(300, QLatin1Char('w'));
    apply(wide + ";A ask");
    tree()->setCurrentItem(node(QStringLiteral("D-1"))); // its middle lies far right of the tree
    QCOMPARE(pane(), snippetOf(wide));
    QVERIFY(thumb());
    QVERIFY(copy->isEnabled());

    code()->setFocus();
    code()->selectAll();
    QTest::keyClick(code(), Qt::Key_Delete);
    QVERIFY(!copy->isEnabled());
    QTest::keyClicks(code(), QStringLiteral("x = 1"));
    QVERIFY(copy->isEnabled());
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x = 1"));

    pressToolbar(QStringLiteral("delete"));
    QCOMPARE(pane(), QString());
    QVERIFY(!copy->isEnabled());
    QVERIFY(!thumb());
}

void tst_frmMain::noteFitsStatusBar_data()
{
    QTest::addColumn<int>("width"); // 0 the window's first width, -1 its minimum
    QTest::newRow("first width") << 0;
    QTest::newRow("minimum width") << -1;
}

void tst_frmMain::noteFitsStatusBar()
{
    QFETCH(int, width);
    main->resize(width < 0 ? main->minimumWidth() : main->width() + width, main->height());
    apply(QStringLiteral("D hero;I pic;T fade;A ask"));
    menu()->findChild<QAction*>(QStringLiteral("mnuCopyAll"))->trigger();
    QCoreApplication::processEvents();
    const QString whole = QStringLiteral("Copied 3 snippets; 1 object has no snippet and was skipped");
    QLabel* note = label(QStringLiteral("lblNote"));
    QCOMPARE(note->text(), whole);
    QVERIFY(note->isVisible());
    // The status bar may be wider than the window; what lies past the window's edge is cut off.
    QVERIFY(note->mapTo(main.get(), QPoint(note->width(), 0)).x() <= main->width());
    // What is painted: the text itself unless the label paints a shorter one.
    const QVariant painted = note->property("shownText");
    const QString shown = painted.isValid() ? painted.toString() : note->text();
    QVERIFY2(note->fontMetrics().horizontalAdvance(shown) <= note->contentsRect().width(), qPrintable(shown));
    if (shown != whole) {
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() > 1 && whole.startsWith(shown.chopped(1)),
                 qPrintable(shown));
        QCOMPARE(note->toolTip(), whole);
    }
}

// The causes and warnings themselves are SnippetAdvisor's; here how the window shows them.
void tst_frmMain::luaCheck()
{
    apply(QStringLiteral("D end;D hero;D hero;A ask;I pic"));
    const QRect clean = code()->geometry();
    const auto text = [this] { return QTextDocumentFragment::fromHtml(checkLine()->text()).toPlainText(); };
    const auto below = [&] {
        QVERIFY(checkLine()->isVisible());
        QCOMPARE(checkLine()->geometry().left(), clean.left());
        QVERIFY(checkLine()->geometry().top() > code()->geometry().bottom());
    };
    QAction* copy = toolbar()->findChild<QAction*>(QStringLiteral("copy"));
    click(QStringLiteral("D-1"));
    QCOMPARE(pane(), snippetOf("D end")); // the check leaves the text alone
    below();
    QVERIFY2(
        text().startsWith(QStringLiteral("Lua cannot compile this snippet: line 2: ")) &&
            text().contains(QStringLiteral("  Hint: The variable name \u201Cend\u201D is a Lua keyword")),
        qPrintable(text()));
    QCOMPARE(markedLines(), QList<int>{2});
    QCOMPARE(checkLine()->property("severity").toString(), QStringLiteral("error"));

    click(QStringLiteral("D-2"));
    QVERIFY2(text().startsWith(QStringLiteral("Warning: The variable name \u201Chero\u201D is also used")),
             qPrintable(text()));
    QCOMPARE(markedLines(), QList<int>());
    QCOMPARE(checkLine()->property("severity").toString(), QStringLiteral("warning"));

    click(QStringLiteral("D-5"));
    QCOMPARE(pane(), QString());
    QVERIFY(!copy->isEnabled());
    below();
    QCOMPARE(text(), QStringLiteral("No Lua for this object: a display object needs a kind"));

    click(QStringLiteral("A-4"));
    QVERIFY(copy->isEnabled());
    QVERIFY(checkLine()->isHidden());
    QCOMPARE(code()->geometry(), clean);

    click(QStringLiteral("D-1"));
    pressToolbar(QStringLiteral("delete"));
    QVERIFY(checkLine()->isHidden());
    QCOMPARE(markedLines(), QList<int>());
    QCOMPARE(code()->geometry(), clean);
}

void tst_frmMain::keyboardNavigation()
{
    apply(QStringLiteral("D hero;T fade;I pic"));
    tree()->setFocus();
    tree()->setCurrentItem(node(QStringLiteral("Root")));
    // Where each key leads: the node, the delete button, the object whose snippet is shown.
    const struct
    {
        Qt::Key key;
        const char* node;
        bool deleteEnabled;
        const char* shown;
    } steps[] = {
        {Qt::Key_Down, "Display", false, ""},
        {Qt::Key_Down, "D-1", true, "D hero"},
        {Qt::Key_Down, "D-3", true, ""},
        {Qt::Key_Down, "Alert", false, ""},
        {Qt::Key_Down, "Transition", false, ""},
        {Qt::Key_Down, "T-2", true, "T fade"},
        {Qt::Key_Up, "Transition", false, "T fade"},
        {Qt::Key_Home, "Root", false, "T fade"},
        {Qt::Key_End, "T-2", true, "T fade"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(tree(), step.key);
        QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{node(QLatin1String(step.node))});
        QCOMPARE(deleteButton()->isEnabled(), step.deleteEnabled);
        QCOMPARE(pane(), *step.shown ? snippetOf(QLatin1String(step.shown)) : QString());
    }
}

// The target drop-down after Copy rewrites the pane and what Copy and Copy All take.
void tst_frmMain::graphicsTarget()
{
    QComboBox* combo = target(*main);
    QVERIFY(combo);
    QWidget* box = combo->parentWidget();
    QVERIFY(box && box->parentWidget() == toolbar());
    QWidget* copy = toolbar()->widgetForAction(toolbar()->findChild<QAction*>(QStringLiteral("copy")));
    QWidget* stage = toolbar()->widgetForAction(main->findChild<QAction*>(QStringLiteral("stageToggle")));
    QVERIFY(stage);
    QVERIFY(box->geometry().left() > copy->geometry().right());
    QVERIFY(stage->geometry().left() > box->geometry().right());
    // It fits beside the buttons, so the toolbar is no taller for it.
    QVERIFY(box->sizeHint().height() <= copy->sizeHint().height());
    QCOMPARE(QStringList({combo->itemText(0), combo->itemText(1)}),
             QStringList({"Corona (Graphics 1.0)", "Solar2D (Graphics 2.0)"}));
    QCOMPARE(combo->count(), 2);
    QVERIFY(!combo->toolTip().isEmpty() && !combo->toolTip().contains(QLatin1Char('\n')));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(main->currentApi(), GraphicsApi::V1);

    apply(QStringLiteral("D end;A ask"));
    click(QStringLiteral("D-1"));
    QCOMPARE(pane(), snippetOf("D end"));
    combo->setCurrentIndex(1);
    QCOMPARE(main->currentApi(), GraphicsApi::V2);
    QCOMPARE(pane(), snippetOf("D end", GraphicsApi::V2));
    // The check ran again on the new text: its marker survives the new text.
    QVERIFY(checkLine()->isVisible());
    QCOMPARE(markedLines(), QList<int>{1});

    pressToolbar(QStringLiteral("copy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), snippetOf("D end", GraphicsApi::V2));
    menu()->findChild<QAction*>(QStringLiteral("mnuCopyAll"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             snippetOf("D end", GraphicsApi::V2) + "\r\n" + snippetOf("A ask", GraphicsApi::V2));

    combo->setCurrentIndex(0);
    QCOMPARE(pane(), snippetOf("D end"));
    menu()->findChild<QAction*>(QStringLiteral("mnuCopyAll"))->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(snippetOf("D end")));

    // The choice outlives the window, whichever way it went last.
    for (int index : {1, 0}) {
        combo->setCurrentIndex(index);
        frmMain next;
        QCOMPARE(target(next)->currentIndex(), index);
        QCOMPARE(next.currentApi(), index ? GraphicsApi::V2 : GraphicsApi::V1);
    }
}

// Controls other commands add to the window may follow the two panes.
void tst_frmMain::tabOrder()
{
    QStringList chain;
    QWidget* widget = tree();
    do {
        if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->window() == main.get())
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != tree());
    QCOMPARE(chain.mid(0, 2), (QStringList{"tv1", "txtCode"}));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
