#include "PairList.h"

#include <QtTest>

class tst_PairList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void duplicateKeysIgnoreCase_data();
    void duplicateKeysIgnoreCase();
    void remove_data();
    void remove();
    void clearEmptiesAndFreesKeys();
};

static QStringList keys(const PairList& list)
{
    QStringList result;
    for (const clsData& pair : list)
        result.append(pair.clsKey());
    return result;
}

static PairList abc()
{
    PairList list;
    for (const char* key : {"a", "b", "c"})
        list.append(clsData(QString::fromLatin1(key), QStringLiteral("v")));
    return list;
}

void tst_PairList::duplicateKeysIgnoreCase_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("same") << "x"
                          << "x" << false;
    QTest::newRow("latin case") << "x"
                                << "X" << false;
    QTest::newRow("greek case") << QString::fromUtf8("Σίσυφος") << QString::fromUtf8("ΣΊΣΥΦΟΣ") << false;
    QTest::newRow("different") << "x"
                               << "y" << true;
    QTest::newRow("blank differs") << "x"
                                   << "x " << true;
}

void tst_PairList::duplicateKeysIgnoreCase()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, accepted);
    PairList list;
    QVERIFY(list.append(clsData(first, QStringLiteral("1"))));
    QString error;
    QCOMPARE(list.append(clsData(second, QStringLiteral("2")), &error), accepted);
    QCOMPARE(list.count(), accepted ? 2 : 1);
    QCOMPARE(list.at(1), clsData(first, QStringLiteral("1")));
    if (!accepted)
        QCOMPARE(error, QStringLiteral("This key is already associated with an element of this collection"));
}

void tst_PairList::remove_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first closes the gap") << 1 << true << QStringList({"b", "c"});
    QTest::newRow("middle") << 2 << true << QStringList({"a", "c"});
    QTest::newRow("last") << 3 << true << QStringList({"a", "b"});
    QTest::newRow("zero") << 0 << false << QStringList({"a", "b", "c"});
    QTest::newRow("past the end") << 4 << false << QStringList({"a", "b", "c"});
    QTest::newRow("negative") << -1 << false << QStringList({"a", "b", "c"});
}

void tst_PairList::remove()
{
    QFETCH(int, position);
    QFETCH(bool, removed);
    QFETCH(QStringList, left);
    PairList list = abc();
    QCOMPARE(list.remove(position), removed);
    QCOMPARE(keys(list), left);
    QCOMPARE(list.at(1).clsKey(), left.first());
    // The removed key is free again, in any letter case.
    if (removed)
        QVERIFY(list.append(clsData(QString::fromLatin1("abc").at(position - 1).toUpper(), {})));
}

void tst_PairList::clearEmptiesAndFreesKeys()
{
    PairList list = abc();
    list.clear();
    QCOMPARE(list.count(), 0);
    QVERIFY(list.append(clsData(QStringLiteral("B"), QStringLiteral("new"))));
    QCOMPARE(keys(list), QStringList({"B"}));
}

QTEST_APPLESS_MAIN(tst_PairList)
#include "tst_PairList.moc"
