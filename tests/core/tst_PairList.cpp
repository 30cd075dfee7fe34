#include "PairList.h"

#include <QtTest>

class tst_PairList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void duplicateKeysIgnoreCase_data();
    void duplicateKeysIgnoreCase();
};

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

QTEST_APPLESS_MAIN(tst_PairList)
#include "tst_PairList.moc"
