#include "ObjectTree.h"

#include <QTreeWidget>
#include <QtTest>

class tst_ObjectTree : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nodeRules_data();
    void nodeRules();
};

// The window always builds the usual shape; a tree built by hand shows which rule reads the
// root's text and which counts the path's separators.
void tst_ObjectTree::nodeRules_data()
{
    QTest::addColumn<QString>("rootText");
    QTest::addColumn<QString>("objectText");
    QTest::addColumn<int>("depth"); // 0 root, 1 branch, 2 object
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<qsizetype>("position");
    const QString root = QStringLiteral("Objects Created");
    QTest::newRow("root") << root << "hero" << 0 << false << qsizetype(0);
    QTest::newRow("branch") << root << "hero" << 1 << false << qsizetype(0);
    QTest::newRow("object named with backslashes") << root << "a\\b" << 2 << true << qsizetype(3);
    QTest::newRow("branch under other root") << "objects created"
                                             << "hero" << 1 << true << qsizetype(0);
}

void tst_ObjectTree::nodeRules()
{
    QFETCH(QString, rootText);
    QFETCH(QString, objectText);
    QFETCH(int, depth);
    QFETCH(bool, deleteEnabled);
    QFETCH(qsizetype, position);
    QTreeWidgetItem root(QStringList{rootText});
    root.setData(0, ObjectTree::indexRole, qsizetype(1));
    auto* branch = new QTreeWidgetItem(&root, QStringList{QStringLiteral("Display")});
    branch->setData(0, ObjectTree::indexRole, qsizetype(2));
    auto* object = new QTreeWidgetItem(branch, QStringList{objectText});
    object->setData(0, ObjectTree::indexRole, qsizetype(7));
    const QTreeWidgetItem* node = depth == 0 ? &root : depth == 1 ? branch : object;
    QCOMPARE(ObjectTree::deleteEnabledFor(node), deleteEnabled);
    QCOMPARE(ObjectTree::objectPositionFor(node), position);
}

QTEST_MAIN(tst_ObjectTree)
#include "tst_ObjectTree.moc"
