#include "PairList.h"

#include <QtTest>

class tst_PairList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void duplicateKeysIgnoreCase();
    void remove_data();
    void remove();
};

void tst_PairList::duplicateKeysIgnoreCase()
{
    PairList list;
    QString error;
    QVERIFY(list.append(clsData(QStringLiteral("Σίσυφος"), QStringLiteral("1"))));
    QVERIFY(list.append(clsData(QStringLiteral("x"), QStringLiteral("2")), &error) && error.isEmpty());
    QVERIFY(!list.append(clsData(QStringLiteral("ΣΊΣΥΦΟΣ"), QStringLiteral("3")), &error));
    QCOMPARE(error, QStringLiteral("This key is already associated with an element of this collection"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(1), clsData(QStringLiteral("Σίσυφος"), QStringLiteral("1")));

    // An unpaired surrogate between letters must not break the case rule (a folded copy
    // turned it into U+FFFD on one side only).
    const QChar lone(char16_t(0xD801));
    QVERIFY(list.append(clsData(QStringLiteral("σ") + lone + QStringLiteral("σ"), {})));
    QVERIFY(!list.append(clsData(QStringLiteral("Σ") + lone + QStringLiteral("σ"), {})));
}

void tst_PairList::remove_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("left");
    QTest::newRow("first closes the gap") << 1 << "bc";
    QTest::newRow("last") << 3 << "ab";
    QTest::newRow("zero") << 0 << "abc";
    QTest::newRow("past the end") << 4 << "abc";
}

void tst_PairList::remove()
{
    QFETCH(int, position);
    QFETCH(QString, left);
    PairList list;
    for (const QString key : {"a", "b", "c"})
        list.append(clsData(key, {}));
    QCOMPARE(list.remove(position), left.size() == 2);
    QString keys;
    for (const clsData& pair : list)
        keys += pair.clsKey();
    QCOMPARE(keys, left);
    // A key that is gone is free again, in any letter case.
    QCOMPARE(list.append(clsData(QStringLiteral("A"), {})), left.size() == 2 && position == 1);
    list.clear();
    QVERIFY(list.count() == 0 && list.append(clsData(QStringLiteral("B"), {})));
}

QTEST_APPLESS_MAIN(tst_PairList)
#include "tst_PairList.moc"
