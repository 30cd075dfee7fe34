#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "ObjectTree.h"
#include "TestSettings.h"
#include "Ui.h"

#include <Qsci/qsciscintilla.h>

#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

namespace {

// "D name" a Rect display, "T name" a transition, "A name" an alert.
std::unique_ptr<ModelObject> makeObject(const QString& descriptor)
{
    std::unique_ptr<ModelObject> object;
    if (descriptor.startsWith(QLatin1Char('D'))) {
        auto display = std::make_unique<clsDisplay>();
        display->init();
        display->setDObjType(clsDisplay::Rect);
        object = std::move(display);
    } else if (descriptor.startsWith(QLatin1Char('T'))) {
        object = std::make_unique<clsTransition>();
    } else {
        object = std::make_unique<clsAlert>();
    }
    object->setVarName(descriptor.mid(2));
    return object;
}

QString snippetOf(const QString& descriptor)
{
    return makeObject(descriptor)->codeSnippet().value();
}

} // namespace

class tst_WorkspaceHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        useTestSettings();
        QSettings().setValue("target", 1); // the snippets compared are Graphics 1.0's
    }
    void init();
    void undoRedoFromTheTree();
    void editTriggers_data();
    void editTriggers();
    void editEntryFollowsSelection();

private:
    QTreeWidget* tree() const { return main->findChild<QTreeWidget*>(QStringLiteral("tv1")); }
    QsciScintilla* code() const { return main->findChild<QsciScintilla*>(QStringLiteral("txtCode")); }
    QAction* action(const QString& name) const { return main->findChild<QAction*>(name); }
    QAction* deleteButton() const { return action(QStringLiteral("delete")); }
    // "key text" of every object node, in collection order.
    QStringList objectNodes() const;
    // The selected node's key, or "none".
    QString selectedKey() const;
    QTreeWidgetItem* node(const QString& key) const;
    void select(const QString& key);
    void focusTree();

    std::unique_ptr<frmMain> main;
};

void tst_WorkspaceHistory::init()
{
    MessageBox::setRecording(true);
    main = std::make_unique<frmMain>();
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    for (const char* descriptor : {"D hero", "T fade", "D box"})
        main->addObject(makeObject(QString::fromLatin1(descriptor)));
}

QStringList tst_WorkspaceHistory::objectNodes() const
{
    QMap<qsizetype, QString> nodes; // in collection order, across the kind branches
    for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
        if (const qsizetype position = ObjectTree::objectPositionFor(*it))
            nodes.insert(position, ObjectTree::key(*it) + QLatin1Char(' ') + (*it)->text(0));
    }
    return nodes.values();
}

QString tst_WorkspaceHistory::selectedKey() const
{
    const QList<QTreeWidgetItem*> selected = tree()->selectedItems();
    return selected.isEmpty() ? QStringLiteral("none") : ObjectTree::key(selected.first());
}

QTreeWidgetItem* tst_WorkspaceHistory::node(const QString& key) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
        if (ObjectTree::key(*it) == key)
            return *it;
    }
    return nullptr;
}

void tst_WorkspaceHistory::select(const QString& key)
{
    QTreeWidgetItem* target = node(key);
    QVERIFY2(target, qPrintable(key));
    tree()->scrollToItem(target);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(target).center());
}

void tst_WorkspaceHistory::focusTree()
{
    // A closed dialog does not always hand the activation back on a bare platform.
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    tree()->setFocus();
    QTRY_VERIFY(tree()->hasFocus());
}

// Delete and Undo by their keys from the tree: the object comes back selected, shown and
// ready for the next command.
void tst_WorkspaceHistory::undoRedoFromTheTree()
{
    const QStringList before = objectNodes();
    const QStringList after{"D-1 hero", "D-2 box"};
    select(QStringLiteral("T-2"));
    focusTree();
    QTest::keyClick(tree(), Qt::Key_Delete);
    QCOMPARE(objectNodes(), after);
    QCOMPARE(action(QStringLiteral("actUndo"))->text(), QStringLiteral("Undo Delete fade"));

    focusTree();
    QTest::keySequence(tree(), QKeySequence::Undo);
    QCOMPARE(objectNodes(), before);
    QCOMPARE(selectedKey(), QStringLiteral("T-2"));
    QCOMPARE(code()->text(), snippetOf(QStringLiteral("T fade")));
    QVERIFY(deleteButton()->isEnabled());
    QVERIFY(action(QStringLiteral("actEdit"))->isEnabled());

    QTest::keySequence(tree(), QKeySequence::Redo);
    QCOMPARE(objectNodes(), after);
}

void tst_WorkspaceHistory::editTriggers_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("change"); // renames and shortens the transition first
    // clang-format off
    QTest::newRow("double-click, OK")            << "double-click" << "cmdOK" << true;
    QTest::newRow("Enter, OK")                   << "enter"        << "cmdOK" << true;
    QTest::newRow("Edit menu, OK")               << "actEdit"      << "cmdOK" << true;
    QTest::newRow("Enter, OK without a change")  << "enter"        << "cmdOK" << false;
    QTest::newRow("Enter, Esc")                  << "enter"        << "esc"   << true;
    QTest::newRow("pop-up entry, close box")     << "mnuEdit"      << "close" << true;
    // clang-format on
}

void tst_WorkspaceHistory::editTriggers()
{
    QFETCH(QString, trigger);
    QFETCH(QString, ending);
    QFETCH(bool, change);
    select(QStringLiteral("T-2"));
    focusTree();
    QString caption;
    Ui::whenModal([&](QWidget* modal) {
        caption = modal->windowTitle();
        if (change)
            Ui::fill(modal, {QStringLiteral("txtVarName=slide"), QStringLiteral("txtDuration=250")});
        Ui::end(modal, ending);
    });

    if (trigger == QLatin1String("double-click"))
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {},
                           tree()->visualItemRect(node(QStringLiteral("T-2"))).center());
    else if (trigger == QLatin1String("enter"))
        QTest::keyClick(tree(), Qt::Key_Return);
    else
        action(trigger)->trigger();

    QCOMPARE(caption, QStringLiteral("Transitions - fade"));
    // Only a confirmed change is a step.
    const bool confirmed = change && ending == QLatin1String("cmdOK");
    QCOMPARE(objectNodes(), QStringList({"D-1 hero", confirmed ? "T-2 slide" : "T-2 fade", "D-3 box"}));
    QCOMPARE(selectedKey(), QStringLiteral("T-2"));
    clsTransition slide;
    slide.setVarName(QStringLiteral("slide"));
    slide.setDuration(250);
    QCOMPARE(code()->text(), confirmed ? slide.codeSnippet().value() : snippetOf(QStringLiteral("T fade")));
    QCOMPARE(action(QStringLiteral("actUndo"))->text(),
             confirmed ? QStringLiteral("Undo Edit fade") : QStringLiteral("Undo Add box"));
}

void tst_WorkspaceHistory::editEntryFollowsSelection()
{
    auto* menu = main->findChild<QMenu*>(QStringLiteral("mnuContext"));
    const QList<QAction*> entries = menu->actions();
    const qsizetype edit = entries.indexOf(action(QStringLiteral("mnuEdit")));
    QCOMPARE(entries.value(edit + 1)->objectName(), QStringLiteral("mnuSepCopy"));
    QCOMPARE(entries.value(edit + 2)->objectName(), QStringLiteral("mnuCopyAll"));

    const struct
    {
        const char* key;
        bool enabled;
    } clicks[] = {{"Root", false}, {"T-2", true}, {"Transition", false}};
    QVERIFY(!action(QStringLiteral("mnuEdit"))->isEnabled());
    for (const auto& click : clicks) {
        select(QString::fromLatin1(click.key));
        QCOMPARE(action(QStringLiteral("mnuEdit"))->isEnabled(), click.enabled);
        QCOMPARE(action(QStringLiteral("actEdit"))->isEnabled(), click.enabled);
    }
    // A toolbar command rebuilds the tree, which selects nothing.
    QTest::mouseClick(main->findChild<QToolBar*>()->widgetForAction(deleteButton()), Qt::LeftButton);
    QVERIFY(!action(QStringLiteral("mnuEdit"))->isEnabled());
}

QTEST_MAIN(tst_WorkspaceHistory)
#include "tst_WorkspaceHistory.moc"
