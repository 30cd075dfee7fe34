#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ObjectTree.h"

#include <QTreeWidget>
#include <QtTest>

class tst_ObjectTree : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nodeRules_data();
    void nodeRules();
    void beyondSixteenBits();
};

// The rules go by texts and paths; a tree built by hand that breaks the usual shape shows
// which one each rule reads.
void tst_ObjectTree::nodeRules_data()
{
    QTest::addColumn<QString>("rootText");
    QTest::addColumn<QString>("branchText");
    QTest::addColumn<QString>("objectText");
    QTest::addColumn<int>("depth"); // 0 root, 1 branch, 2 object
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<qsizetype>("position");

    const QString root = QStringLiteral("Objects Created");
    QTest::newRow("root") << root << "Display"
                          << "hero" << 0 << false << qsizetype(0);
    QTest::newRow("branch") << root << "Display"
                            << "hero" << 1 << false << qsizetype(0);
    QTest::newRow("object") << root << "Display"
                            << "hero" << 2 << true << qsizetype(3);
    QTest::newRow("object named with backslashes") << root << "Display"
                                                   << "a\\b" << 2 << true << qsizetype(3);
    // A branch under a root of another text counts as an object for the delete rule only;
    // the pane rule counts separators.
    QTest::newRow("branch under other root") << "objects created"
                                             << "Display"
                                             << "hero" << 1 << true << qsizetype(0);
}

void tst_ObjectTree::nodeRules()
{
    QFETCH(QString, rootText);
    QFETCH(QString, branchText);
    QFETCH(QString, objectText);
    QFETCH(int, depth);
    QFETCH(bool, deleteEnabled);
    QFETCH(qsizetype, position);

    QTreeWidgetItem root(QStringList{rootText});
    root.setData(0, ObjectTree::indexRole, qsizetype(1));
    auto* branch = new QTreeWidgetItem(&root, QStringList{branchText});
    branch->setData(0, ObjectTree::indexRole, qsizetype(2));
    auto* object = new QTreeWidgetItem(branch, QStringList{objectText});
    object->setData(0, ObjectTree::indexRole, qsizetype(7));
    const QTreeWidgetItem* node = depth == 0 ? &root : depth == 1 ? branch : object;

    QCOMPARE(ObjectTree::deleteEnabledFor(node), deleteEnabled);
    QCOMPARE(ObjectTree::objectPositionFor(node), position);
    QCOMPARE(ObjectTree::objectPositionFor(nullptr), qsizetype(0));
    QVERIFY(!ObjectTree::deleteEnabledFor(nullptr));
}

void tst_ObjectTree::beyondSixteenBits()
{
    // The design's 16-bit counters end at 32,763 objects; ours go on.
    constexpr qsizetype total = 32'800;
    ObjectCollection objects;
    for (qsizetype i = 1; i <= total; ++i) {
        std::unique_ptr<ModelObject> object;
        if (i % 3 == 0)
            object = std::make_unique<clsAlert>();
        else if (i % 3 == 1)
            object = std::make_unique<clsDisplay>();
        else
            object = std::make_unique<clsTransition>();
        object->setVarName(QStringLiteral("o%1").arg(i));
        objects.append(std::move(object));
    }
    QTreeWidget tree;
    ObjectTree::rebuild(&tree, objects);

    QTreeWidgetItem* root = tree.topLevelItem(0);
    QCOMPARE(root->child(0)->childCount() + root->child(1)->childCount() + root->child(2)->childCount(),
             total);
    QTreeWidgetItem* last = root->child(0)->child(root->child(0)->childCount() - 1); // o32800 is a Display
    QCOMPARE(last->text(0), QStringLiteral("o32800"));
    QCOMPARE(ObjectTree::key(last), QStringLiteral("D-32800"));
    QCOMPARE(ObjectTree::nodeIndex(last), total + 4);
    QCOMPARE(ObjectTree::objectPositionFor(last), total);
    QCOMPARE(objects.at(ObjectTree::objectPositionFor(last))->varName(), QStringLiteral("o32800"));
}

QTEST_MAIN(tst_ObjectTree)
#include "tst_ObjectTree.moc"
