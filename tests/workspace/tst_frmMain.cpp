#include "BuildInfo.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FakeShell.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "ObjectTree.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

namespace {

// "D hero" makes a Rect display named hero; "I name" an Image without a reference point,
// which has no snippet; "T name" a transition; "A name" an alert.
std::unique_ptr<ModelObject> makeObject(const QString& descriptor)
{
    const QChar kind = descriptor.at(0);
    const QString name = descriptor.mid(2);
    std::unique_ptr<ModelObject> object;
    if (kind == QLatin1Char('D') || kind == QLatin1Char('I')) {
        auto display = std::make_unique<clsDisplay>();
        display->init();
        display->setDObjType(kind == QLatin1Char('D') ? clsDisplay::Rect : clsDisplay::Image);
        if (kind == QLatin1Char('I'))
            display->setReference(-1);
        object = std::move(display);
    } else if (kind == QLatin1Char('T')) {
        object = std::make_unique<clsTransition>();
    } else {
        object = std::make_unique<clsAlert>();
    }
    object->setVarName(name);
    return object;
}

QString snippetOf(const QString& descriptor)
{
    return makeObject(descriptor)->codeSnippet().value();
}

// Objects for the Lua check, by row name.
std::unique_ptr<ModelObject> checkedObject(const QString& kind)
{
    if (kind.startsWith(QLatin1String("alert"))) {
        auto alert = std::make_unique<clsAlert>();
        alert->setVarName(QStringLiteral("ask"));
        alert->setTitle(kind == QLatin1String("alert quote") ? QStringLiteral("Say \"hi\"")
                                                             : QStringLiteral("Quit?"));
        const int buttons = kind == QLatin1String("alert six buttons") ? 6 : 2;
        for (int i = 1; i <= buttons; ++i)
            alert->addButton(QString::number(i), QStringLiteral("B%1").arg(i));
        return alert;
    }
    if (kind == QLatin1String("empty value")) {
        auto transition = std::make_unique<clsTransition>();
        transition->setVarName(QStringLiteral("hero"));
        transition->addProperty(QStringLiteral("0"), QStringLiteral("alpha"));
        transition->addProperty(QString(), QStringLiteral("x"));
        return transition;
    }
    auto display = std::make_unique<clsDisplay>();
    display->init();
    display->setDObjType(clsDisplay::Rect);
    display->setReference(clsDisplay::Center);
    display->setVarName(QStringLiteral("hero"));
    if (kind == QLatin1String("keyword name"))
        display->setVarName(QStringLiteral("end"));
    else if (kind == QLatin1String("not a name"))
        display->setVarName(QStringLiteral("my hero"));
    else if (kind == QLatin1String("image with parent")) {
        display->setDObjType(clsDisplay::Image);
        display->setParGroup(QStringLiteral("layer"));
        display->setFilename(QString());
    }
    return display;
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

// Closes the next modal dialog once it is up, and remembers it was there.
struct ModalCloser
{
    int closed = 0;
    QWidget* owner = nullptr;
    QObject context; // its timers die with it
    void arm()
    {
        QTimer::singleShot(0, &context, [this] { poll(); });
    }
    void poll()
    {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++closed;
            owner = dialog->parentWidget();
            dialog->reject();
            return;
        }
        QTimer::singleShot(10, &context, [this] { poll(); });
    }
};

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void treeAfterChanges_data();
    void treeAfterChanges();
    void scrollsToLastObject();
    void clickRules_data();
    void clickRules();
    void codePaneEditsStayInPane();
    void deleteWithoutObjectNodeRemovesNothing();
    void closingSteps_data();
    void closingSteps();
    void rightClickOpensMenu_data();
    void rightClickOpensMenu();
    void statusBarLinks_data();
    void statusBarLinks();
    void toolbarEntries();
    void layoutFollowsWindow();
    void closesAtOnce();

    void copyCommands_data();
    void copyCommands();
    void copyFollowsPane();
    void luaCheck_data();
    void luaCheck();
    void checkFollowsPane();
    void keyboardNavigation();
    void shortcuts_data();
    void shortcuts();

private:
    QTreeWidgetItem* node(const QString& key) const;
    void click(const QString& key, Qt::MouseButton button = Qt::LeftButton);
    void clickBlank(Qt::MouseButton button = Qt::LeftButton);
    void pressToolbar(const QString& key);
    void apply(const QString& ops);
    QAction* deleteButton() const
    {
        return window->Toolbar1()->findChild<QAction*>(QStringLiteral("delete"));
    }
    QString pane() const { return window->txtCode()->text(); }
    QLabel* checkLine() const { return window->main.findChild<QLabel*>(QStringLiteral("lblCheck")); }
    QString checkText() const { return QTextDocumentFragment::fromHtml(checkLine()->text()).toPlainText(); }
    // The lines of the pane that carry the error marker, 1-based.
    QList<int> markedLines() const
    {
        QList<int> lines;
        for (int line = 0; line < window->txtCode()->lines(); ++line) {
            if (window->txtCode()->markersAtLine(line) != 0)
                lines.append(line + 1);
        }
        return lines;
    }
    QLabel* statusLabel(const QString& name) const
    {
        return window->main.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->findChild<QLabel*>(name);
    }

    struct Window
    {
        frmMain main;
        QTreeWidget* tv1() { return main.findChild<QTreeWidget*>(QStringLiteral("tv1")); }
        QToolBar* Toolbar1() { return main.findChild<QToolBar*>(QStringLiteral("Toolbar1")); }
        QsciScintilla* txtCode() { return main.findChild<QsciScintilla*>(QStringLiteral("txtCode")); }
    };
    std::unique_ptr<Window> window;
    std::unique_ptr<FakeShell> shell;
};

void tst_frmMain::init()
{
    shell = std::make_unique<FakeShell>();
    window = std::make_unique<Window>();
    window->main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window->main));
}

void tst_frmMain::cleanup()
{
    window.reset();
    shell.reset();
}

QTreeWidgetItem* tst_frmMain::node(const QString& key) const
{
    for (QTreeWidgetItemIterator it(window->tv1()); *it; ++it) {
        if (ObjectTree::key(*it) == key)
            return *it;
    }
    return nullptr;
}

void tst_frmMain::click(const QString& key, Qt::MouseButton button)
{
    QTreeWidgetItem* target = node(key);
    QVERIFY2(target, qPrintable(key));
    QTreeWidget* tree = window->tv1();
    tree->scrollToItem(target);
    QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(target).center());
}

void tst_frmMain::clickBlank(Qt::MouseButton button)
{
    QWidget* viewport = window->tv1()->viewport();
    QTest::mouseClick(viewport, button, {}, QPoint(5, viewport->height() - 3));
}

void tst_frmMain::pressToolbar(const QString& key)
{
    QToolBar* toolbar = window->Toolbar1();
    QWidget* button = toolbar->widgetForAction(toolbar->findChild<QAction*>(key));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// "D hero;T fade" adds; "-hero" clicks the node with that text and presses delete.
void tst_frmMain::apply(const QString& ops)
{
    for (const QString& op : ops.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!op.startsWith(QLatin1Char('-'))) {
            window->main.addObject(makeObject(op));
            continue;
        }
        const QList<QTreeWidgetItem*> found =
            window->tv1()->findItems(op.mid(1), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        click(ObjectTree::key(found.first()));
        QVERIFY(deleteButton()->isEnabled());
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
    QTest::newRow("three objects") << "D hero;T fade;D box"
                                   << QStringList{
                                          "1 Root Objects Created - +", "2 Display Display Root +",
                                          "5 D-1 hero Display",         "7 D-3 box Display",
                                          "3 Alert Alert Root",         "4 Transition Transition Root +",
                                          "6 T-2 fade Transition"};
    QTest::newRow("delete first of three")
        << "D hero;T fade;D box;-hero"
        << QStringList{
               "1 Root Objects Created - +", "2 Display Display Root +",       "6 D-2 box Display",
               "3 Alert Alert Root",         "4 Transition Transition Root +", "5 T-1 fade Transition"};
    QTest::newRow("delete the only one") << "A ask;-ask" << fixed;
    QTest::newRow("same name twice") << "A twin;A twin"
                                     << QStringList{
                                            "1 Root Objects Created - +", "2 Display Display Root",
                                            "3 Alert Alert Root +",       "5 A-1 twin Alert",
                                            "6 A-2 twin Alert",           "4 Transition Transition Root"};
    QTest::newRow("backslashes in name")
        << "T a\\b\\c"
        << QStringList{"1 Root Objects Created - +", "2 Display Display Root", "3 Alert Alert Root",
                       "4 Transition Transition Root +", "5 T-1 a\\b\\c Transition"};
}

void tst_frmMain::treeAfterChanges()
{
    QFETCH(QString, ops);
    QFETCH(QStringList, tree);
    apply(ops);
    QCOMPARE(describe(window->tv1()), tree);
    QVERIFY(window->tv1()->selectedItems().isEmpty());
    QVERIFY(!deleteButton()->isEnabled());
    if (ops.contains(QLatin1Char('-')))
        QCOMPARE(pane(), QString());
}

void tst_frmMain::scrollsToLastObject()
{
    // The last object's branch comes last, below all the others.
    for (int i = 1; i <= 60; ++i)
        window->main.addObject(makeObject(QStringLiteral("D d%1").arg(i)));
    window->main.addObject(makeObject(QStringLiteral("T last")));
    QTreeWidget* tree = window->tv1();
    QVERIFY(tree->visualItemRect(node(QStringLiteral("T-61"))).intersects(tree->viewport()->rect()));
    QVERIFY(!tree->visualItemRect(node(QStringLiteral("D-1"))).intersects(tree->viewport()->rect()));
}

void tst_frmMain::clickRules_data()
{
    QTest::addColumn<QString>("target"); // a node's key, or "blank" for empty space
    QTest::addColumn<bool>("editFirst"); // the user changed the pane's text before
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<QString>("shown"); // the object whose snippet the pane then holds
    QTest::newRow("root") << "Root" << true << false << "edited";
    QTest::newRow("branch") << "Display" << false << false << "D hero";
    QTest::newRow("empty branch") << "Alert" << true << false << "edited";
    QTest::newRow("other object") << "T-2" << false << true << "T fade";
    QTest::newRow("same name, own text") << "A-4" << false << true << "A hero";
    QTest::newRow("object without snippet") << "D-3" << true << true << "edited";
    QTest::newRow("blank space re-shows selection") << "blank" << true << true << "D hero";
}

void tst_frmMain::clickRules()
{
    QFETCH(QString, target);
    QFETCH(bool, editFirst);
    QFETCH(bool, deleteEnabled);
    QFETCH(QString, shown);
    apply(QStringLiteral("D hero;T fade;I pic;A hero"));
    click(QStringLiteral("D-1"));
    QVERIFY(deleteButton()->isEnabled());
    QCOMPARE(pane(), snippetOf(QStringLiteral("D hero")));
    QVERIFY(pane().contains(QStringLiteral("\r\n")));

    auto* code = window->txtCode();
    if (editFirst)
        code->setText(QStringLiteral("edited"));
    if (target == QLatin1String("blank"))
        clickBlank();
    else
        click(target);

    QCOMPARE(deleteButton()->isEnabled(), deleteEnabled);
    const QString expected = shown == QLatin1String("edited") ? shown : snippetOf(shown);
    QCOMPARE(pane().toUtf8(), expected.toUtf8());
}

void tst_frmMain::codePaneEditsStayInPane()
{
    apply(QStringLiteral("A ask"));
    click(QStringLiteral("A-1"));
    auto* code = window->txtCode();
    code->setFocus();
    code->setCursorPosition(0, 0);
    QTest::keyClicks(code, QStringLiteral("x"));
    QTest::keyClick(code, Qt::Key_Return);
    QVERIFY(pane().startsWith(QStringLiteral("x\r\n")));
    click(QStringLiteral("A-1"));
    QCOMPARE(pane(), snippetOf(QStringLiteral("A ask")));
}

void tst_frmMain::deleteWithoutObjectNodeRemovesNothing()
{
    apply(QStringLiteral("D hero;T fade"));
    click(QStringLiteral("T-2"));
    // Ctrl+click takes the selection away and leaves the delete button as the click set it.
    QTreeWidget* tree = window->tv1();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree->visualItemRect(node(QStringLiteral("T-2"))).center());
    QVERIFY(tree->selectedItems().isEmpty());
    QVERIFY(deleteButton()->isEnabled());
    pressToolbar(QStringLiteral("delete"));
    QCOMPARE(describe(window->tv1()).size(), 6);
    QCOMPARE(pane(), snippetOf(QStringLiteral("T fade")));
    QVERIFY(!deleteButton()->isEnabled());
}

void tst_frmMain::closingSteps_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fromToolbar");
    QTest::addColumn<bool>("rebuilds"); // and disables delete
    QTest::newRow("toolbar display") << "display" << true << true;
    QTest::newRow("toolbar alert") << "alert" << true << true;
    QTest::newRow("toolbar trans") << "trans" << true << true;
    QTest::newRow("toolbar about") << "about" << true << true;
    QTest::newRow("menu display") << "mnuDisp" << false << true;
    QTest::newRow("menu alert") << "mnuAlert" << false << true;
    QTest::newRow("menu trans") << "mnuTrans" << false << true;
    QTest::newRow("menu about") << "mnuAbout" << false << false;
}

void tst_frmMain::closingSteps()
{
    QFETCH(QString, command);
    QFETCH(bool, fromToolbar);
    QFETCH(bool, rebuilds);
    apply(QStringLiteral("D hero"));
    click(QStringLiteral("D-1"));
    QVERIFY(deleteButton()->isEnabled());

    ModalCloser closer;
    closer.arm();
    if (fromToolbar)
        pressToolbar(command);
    else
        window->main.findChild<QMenu*>(QStringLiteral("mnuContext"))->findChild<QAction*>(command)->trigger();

    QCOMPARE(closer.closed, 1);
    QCOMPARE(closer.owner, &window->main);
    // A rebuild leaves nothing selected; without one the clicked node stays selected.
    QCOMPARE(window->tv1()->selectedItems().isEmpty(), rebuilds);
    QCOMPARE(deleteButton()->isEnabled(), !rebuilds);
    QCOMPARE(pane(), snippetOf(QStringLiteral("D hero")));
}

void tst_frmMain::rightClickOpensMenu_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right on node") << "T-2" << int(Qt::RightButton) << true;
    QTest::newRow("right on blank") << "blank" << int(Qt::RightButton) << true;
    QTest::newRow("left on blank") << "blank" << int(Qt::LeftButton) << false;
}

void tst_frmMain::rightClickOpensMenu()
{
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, opens);
    apply(QStringLiteral("D hero;T fade"));
    click(QStringLiteral("D-1"));
    auto* menu = window->main.findChild<QMenu*>(QStringLiteral("mnuContext"));
    if (target == QLatin1String("blank"))
        clickBlank(Qt::MouseButton(button));
    else
        click(target, Qt::MouseButton(button));
    QCOMPARE(menu->isVisible(), opens);
    menu->hide();
    QCOMPARE(window->tv1()->selectedItems(), QList<QTreeWidgetItem*>{node(QStringLiteral("D-1"))});
    QCOMPARE(pane(), snippetOf(QStringLiteral("D hero")));

    QStringList entries;
    for (const QAction* entry : menu->actions())
        entries.append(entry->objectName() + QLatin1Char('=') + (entry->isSeparator() ? "-" : entry->text()));
    const QString notice = QStringLiteral("© %1 %2").arg(BuildInfo::makerYear, BuildInfo::maker);
    QCOMPARE(entries,
             (QStringList{"mnuDisp=Add Display", "mnuAlert=Add Alert", "mnuTrans=Add Transition", "mnuSep=-",
                          "mnuAbout=" + notice, "mnuSepCopy=-", "mnuCopyAll=Copy All Snippets"}));
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
    auto* label =
        window->main.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->findChild<QLabel*>(panel);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->toolTip(), text);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(shell->openedUrls.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(shell->openedUrls.first().toString(), opened);
}

void tst_frmMain::toolbarEntries()
{
    QCOMPARE(window->main.windowTitle(), QStringLiteral("Quillet"));
    QVERIFY(!window->main.windowIcon().isNull());
    QStringList entries;
    for (QAction* action : window->Toolbar1()->actions()) {
        if (action->isSeparator()) {
            entries.append(QStringLiteral("-"));
            continue;
        }
        entries.append(QStringList{action->objectName(), action->text(), action->toolTip(),
                                   action->isEnabled() ? "on" : "off"}
                           .join(QLatin1Char('|')));
        // The pictures are SVG: a missing icon engine gives an empty image.
        const QImage picture = action->icon().pixmap(32, 32).toImage();
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                drawn += picture.pixelColor(x, y).alpha() > 0;
        }
        QVERIFY2(drawn > 100, qPrintable(action->objectName()));
    }
    QCOMPARE(entries,
             (QStringList{"display|Display|Display Object (Ctrl+1)|on",
                          "alert|Alert|Alert Window (Ctrl+2)|on", "trans|Transition|Transition (Ctrl+3)|on",
                          "-", "delete|Delete|Delete Object (Del)|off", "-", "about|About|About Box (F1)|on",
                          "-", "copy|Copy|Copy Snippet (Ctrl+Shift+C)|off"}));
    QCOMPARE(window->Toolbar1()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void tst_frmMain::layoutFollowsWindow()
{
    frmMain& main = window->main;
    QTreeWidget* tree = window->tv1();
    QsciScintilla* code = window->txtCode();
    const auto inWindow = [&main](QWidget* w) { return QRect(w->mapTo(&main, QPoint(0, 0)), w->size()); };
    // Whatever height the desktop gives the bars, the panes start out as designed, just below
    // the toolbar.
    const int top = window->Toolbar1()->geometry().bottom() + 1 + 2;
    const QRect tree0 = inWindow(tree), code0 = inWindow(code);
    QCOMPARE(tree0, QRect(8, top, 297, 385));
    QCOMPARE(code0, QRect(312, top, 449, 385));
    QCOMPARE(main.width(), 769);

    main.resize(main.size() + QSize(123, 45));
    QTRY_COMPARE(inWindow(code), code0.adjusted(0, 0, 123, 45));
    QCOMPARE(inWindow(tree), tree0.adjusted(0, 0, 0, 45));

    main.resize(100, 100);
    QCOMPARE(main.size(), main.minimumSize());
    QTRY_COMPARE(inWindow(code), QRect(312, top, 449, 110));
    QCOMPARE(inWindow(tree), QRect(8, top, 297, 110));
}

void tst_frmMain::closesAtOnce()
{
    apply(QStringLiteral("D hero;A ask"));
    MessageBox::setRecording(true);
    QVERIFY(window->main.close());
    QVERIFY(!window->main.isVisible());
    QVERIFY(MessageBox::takeShown().isEmpty());
    MessageBox::setRecording(false);
}

void tst_frmMain::copyCommands_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("command"); // a toolbar key, a menu entry, or "keys" for Ctrl+Shift+C
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("note");
    const QString hero = snippetOf(QStringLiteral("D hero"));
    QTest::newRow("copy button") << "D hero;T fade"
                                 << "copy" << hero << "Snippet copied";
    QTest::newRow("copy keys") << "D hero;T fade"
                               << "keys" << hero << "Snippet copied";
    QTest::newRow("copy all") << "D hero;I pic;T fade;A ask"
                              << "mnuCopyAll"
                              << hero + "\r\n" + snippetOf(QStringLiteral("T fade")) + "\r\n" +
                                     snippetOf(QStringLiteral("A ask"))
                              << "Copied 3 snippets; 1 object has no snippet and was skipped";
    QTest::newRow("copy all, nothing to copy")
        << "D hero;-hero;I pic"
        << "mnuCopyAll"
        << "before"
        << "No snippet to copy; 1 object has no snippet and was skipped";
}

void tst_frmMain::copyCommands()
{
    QFETCH(QString, ops);
    QFETCH(QString, command);
    QFETCH(QString, clipboard);
    QFETCH(QString, note);
    window->main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window->main));
    apply(ops);
    const QString first = ObjectTree::key(window->tv1()->topLevelItem(0)->child(0)->child(0));
    click(first);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QStringList tree = describe(window->tv1());
    const QString shown = pane();
    const bool deleteOn = deleteButton()->isEnabled();

    if (command == QLatin1String("keys"))
        QTest::keyClick(window->tv1(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else if (command == QLatin1String("copy"))
        pressToolbar(command);
    else
        window->main.findChild<QMenu*>(QStringLiteral("mnuContext"))->findChild<QAction*>(command)->trigger();

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.toUtf8(), clipboard.toUtf8());
    QCOMPARE(statusLabel(QStringLiteral("lblNote"))->text(), note);
    QVERIFY(statusLabel(QStringLiteral("lblNote"))->isVisible());
    for (const char* panel : {"notice", "eml", "url"})
        QVERIFY2(statusLabel(QLatin1String(panel))->isVisible(), panel);
    QCOMPARE(describe(window->tv1()), tree);
    QCOMPARE(window->tv1()->selectedItems(), QList<QTreeWidgetItem*>{node(first)});
    QCOMPARE(deleteButton()->isEnabled(), deleteOn);
    QCOMPARE(pane(), shown);
}

void tst_frmMain::copyFollowsPane()
{
    QAction* copy = window->Toolbar1()->findChild<QAction*>(QStringLiteral("copy"));
    QVERIFY(!copy->isEnabled());
    apply(QStringLiteral("A ask;I pic"));
    click(QStringLiteral("D-2")); // no snippet: the pane stays empty
    QVERIFY(!copy->isEnabled());
    click(QStringLiteral("A-1"));
    QVERIFY(copy->isEnabled());

    auto* code = window->txtCode();
    code->setFocus();
    code->selectAll();
    QTest::keyClick(code, Qt::Key_Delete);
    QCOMPARE(pane(), QString());
    QVERIFY(!copy->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));

    QTest::keyClicks(code, QStringLiteral("x = 1"));
    QVERIFY(copy->isEnabled());
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x = 1"));

    click(QStringLiteral("A-1"));
    pressToolbar(QStringLiteral("delete"));
    QCOMPARE(pane(), QString());
    QVERIFY(!copy->isEnabled());
}

void tst_frmMain::luaCheck_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("badLine"); // text on the line Lua stops at; empty when it compiles
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("warning");
    QTest::newRow("compiles") << "rect"
                              << ""
                              << ""
                              << "";
    QTest::newRow("double quote") << "alert quote"
                                  << "Say \"hi\""
                                  << "The title holds a double quote"
                                  << "";
    QTest::newRow("keyword name") << "keyword name"
                                  << "local end"
                                  << "\u201Cend\u201D is a Lua keyword"
                                  << "";
    QTest::newRow("not a name") << "not a name"
                                << "my hero = "
                                << "\u201Cmy hero\u201D is not a Lua name"
                                << "";
    QTest::newRow("empty value") << "empty value"
                                 << "x="
                                 << "\u201Cx\u201D has no value"
                                 << "";
    QTest::newRow("image with parent") << "image with parent"
                                       << "newImage"
                                       << "An image with a parent group needs a file name."
                                       << "";
    QTest::newRow("six buttons") << "alert six buttons"
                                 << ""
                                 << ""
                                 << "Corona shows at most 5 buttons in an alert; this one has 6.";
    QTest::newRow("name used twice") << "rect twice"
                                     << ""
                                     << ""
                                     << "The variable name \u201Chero\u201D is also used by another object";
}

void tst_frmMain::luaCheck()
{
    QFETCH(QString, kind);
    QFETCH(QString, badLine);
    QFETCH(QString, hint);
    QFETCH(QString, warning);
    std::unique_ptr<ModelObject> object = checkedObject(kind);
    const QString snippet = object->codeSnippet().value();
    window->main.addObject(std::move(object));
    if (kind == QLatin1String("rect twice"))
        window->main.addObject(checkedObject(kind));
    // The first object node, whatever its kind.
    QTreeWidgetItem* target = nullptr;
    for (QTreeWidgetItemIterator it(window->tv1()); *it && !target; ++it) {
        if (ObjectTree::key(*it).contains(QLatin1Char('-')))
            target = *it;
    }
    QVERIFY(target);
    click(ObjectTree::key(target));

    QCOMPARE(pane(), snippet); // the check leaves the text alone
    if (badLine.isEmpty() && warning.isEmpty()) {
        QVERIFY(checkLine()->isHidden());
        QCOMPARE(markedLines(), QList<int>());
        return;
    }
    QVERIFY(checkLine()->isVisible());
    const QRect code = window->txtCode()->geometry();
    QCOMPARE(checkLine()->geometry().left(), code.left());
    QVERIFY(checkLine()->geometry().top() > code.bottom());
    const QString text = checkText();
    if (!badLine.isEmpty()) {
        const QStringList lines = snippet.split(QStringLiteral("\r\n"));
        int line = 0;
        while (line < lines.size() && !lines.at(line).contains(badLine))
            ++line;
        QVERIFY2(line < lines.size(), qPrintable(badLine));
        QVERIFY2(text.startsWith(QStringLiteral("Lua cannot compile this snippet: line %1: ").arg(line + 1)),
                 qPrintable(text));
        const qsizetype hintAt = text.indexOf(QStringLiteral("  Hint: "));
        QVERIFY2(hintAt > 0 && text.indexOf(hint) > hintAt, qPrintable(text));
        QCOMPARE(markedLines(), QList<int>{line + 1});
        QCOMPARE(checkLine()->property("severity").toString(), QStringLiteral("error"));
    } else {
        QVERIFY2(text.startsWith(QStringLiteral("Warning: ") + warning), qPrintable(text));
        QCOMPARE(markedLines(), QList<int>());
        QCOMPARE(checkLine()->property("severity").toString(), QStringLiteral("warning"));
    }
}

void tst_frmMain::checkFollowsPane()
{
    window->main.addObject(checkedObject(QStringLiteral("keyword name")));
    window->main.addObject(checkedObject(QStringLiteral("rect")));
    const QRect clean = window->txtCode()->geometry();
    click(QStringLiteral("D-1"));
    QVERIFY(checkLine()->isVisible());
    QVERIFY(window->txtCode()->height() < clean.height());
    click(QStringLiteral("D-2"));
    QVERIFY(checkLine()->isHidden());
    QCOMPARE(markedLines(), QList<int>());
    QCOMPARE(window->txtCode()->geometry(), clean);

    click(QStringLiteral("D-1"));
    QVERIFY(!markedLines().isEmpty());
    pressToolbar(QStringLiteral("delete"));
    QCOMPARE(pane(), QString());
    QVERIFY(checkLine()->isHidden());
    QCOMPARE(markedLines(), QList<int>());
    QCOMPARE(window->txtCode()->geometry(), clean);
}

void tst_frmMain::keyboardNavigation()
{
    apply(QStringLiteral("D hero;T fade;I pic"));
    QTreeWidget* tree = window->tv1();
    tree->setFocus();
    tree->setCurrentItem(node(QStringLiteral("Root")));
    // Where each key leads: the node, the delete button, the object whose snippet is shown.
    const struct
    {
        Qt::Key key;
        const char* node;
        bool deleteEnabled;
        const char* shown;
    } steps[] = {
        {Qt::Key_Down, "Display", false, ""},          {Qt::Key_Down, "D-1", true, "D hero"},
        {Qt::Key_Down, "D-3", true, "D hero"},         {Qt::Key_Down, "Alert", false, "D hero"},
        {Qt::Key_Down, "Transition", false, "D hero"}, {Qt::Key_Down, "T-2", true, "T fade"},
        {Qt::Key_Up, "Transition", false, "T fade"},   {Qt::Key_Home, "Root", false, "T fade"},
        {Qt::Key_End, "T-2", true, "T fade"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(tree, step.key);
        const QString where = QLatin1String(step.node);
        QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{node(where)});
        QCOMPARE(deleteButton()->isEnabled(), step.deleteEnabled);
        QCOMPARE(pane(), *step.shown ? snippetOf(QLatin1String(step.shown)) : QString());
    }
    // An editor handing over an object rebuilds the tree; that is no move of the user's.
    window->main.addObject(makeObject(QStringLiteral("A ask")));
    QVERIFY(tree->selectedItems().isEmpty());
    QCOMPARE(pane(), snippetOf(QStringLiteral("T fade")));
    QVERIFY(deleteButton()->isEnabled());
}

void tst_frmMain::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("inTree"); // the tree has the focus; else the code pane
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("modal");
    QTest::newRow("display") << QKeySequence(Qt::CTRL | Qt::Key_1) << true << "display" << true;
    QTest::newRow("alert") << QKeySequence(Qt::CTRL | Qt::Key_2) << false << "alert" << true;
    QTest::newRow("transition") << QKeySequence(Qt::CTRL | Qt::Key_3) << true << "trans" << true;
    QTest::newRow("about") << QKeySequence(Qt::Key_F1) << false << "about" << true;
    QTest::newRow("delete in tree") << QKeySequence(Qt::Key_Delete) << true << "delete" << false;
    QTest::newRow("delete in pane") << QKeySequence(Qt::Key_Delete) << false << "" << false;
}

void tst_frmMain::shortcuts()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, inTree);
    QFETCH(QString, command);
    QFETCH(bool, modal);
    window->main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window->main));
    apply(QStringLiteral("D hero;T fade"));
    click(QStringLiteral("D-1"));
    QWidget* focus = inTree ? static_cast<QWidget*>(window->tv1()) : window->txtCode();
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());

    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QAction* action : window->Toolbar1()->actions())
        spies.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
    ModalCloser closer;
    if (modal)
        closer.arm();
    QTest::keySequence(focus, keys);

    QStringList triggered;
    const QList<QAction*> actions = window->Toolbar1()->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (!spies.at(size_t(i))->isEmpty())
            triggered.append(actions.at(i)->objectName());
    }
    QCOMPARE(triggered, command.isEmpty() ? QStringList() : QStringList{command});
    QCOMPARE(closer.closed, modal ? 1 : 0);
    if (command.isEmpty()) {
        // The pane's own Delete key: the object stays.
        QCOMPARE(describe(window->tv1()).size(), 6);
        QVERIFY(deleteButton()->isEnabled());
        return;
    }
    // The closing steps ran as for the toolbar button.
    QVERIFY(!deleteButton()->isEnabled());
    QVERIFY(window->tv1()->selectedItems().isEmpty());
    QCOMPARE(describe(window->tv1()).size(), command == QLatin1String("delete") ? 5 : 6);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
