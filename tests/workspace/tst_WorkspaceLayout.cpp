#include "WorkspaceLayout.h"

#include <QtTest>

class tst_WorkspaceLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
    void growsOneToOne_data();
    void growsOneToOne();
    void pixels();
};

void tst_WorkspaceLayout::figures_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<int>("statusBar");
    QTest::addColumn<QRect>("tree");
    QTest::addColumn<QRect>("code");
    QTest::newRow("initial") << QSize(11535, 7140) << 810 << 375 << QRect(120, 840, 4455, 5775)
                             << QRect(4680, 840, 6735, 5775);
    // The minimum outer size 11775 x 3500 leaves a code pane of 6735 x 1655.
    QTest::newRow("minimum") << QSize(11535, 3020) << 810 << 375 << QRect(120, 840, 4455, 1655)
                             << QRect(4680, 840, 6735, 1655);
    QTest::newRow("below minimum") << QSize(300, 200) << 810 << 375 << QRect(120, 840, 4455, 1655)
                                   << QRect(4680, 840, 6735, 1655);
    QTest::newRow("taller bars, made up for") << QSize(11535, 7140 + 150 - 45) << 960 << 330
                                              << QRect(120, 990, 4455, 5775) << QRect(4680, 990, 6735, 5775);
    QTest::newRow("taller bars at minimum")
        << QSize(0, 0) << 960 << 330 << QRect(120, 990, 4455, 1655) << QRect(4680, 990, 6735, 1655);
    QTest::newRow("narrow but tall") << QSize(9000, 8000) << 810 << 375 << QRect(120, 840, 4455, 6635)
                                     << QRect(4680, 840, 6735, 6635);
}

void tst_WorkspaceLayout::figures()
{
    QFETCH(QSize, client);
    QFETCH(int, toolbar);
    QFETCH(int, statusBar);
    QFETCH(QRect, tree);
    QFETCH(QRect, code);
    QCOMPARE(WorkspaceLayout::initialClient(), QSize(11535, 7140));
    const WorkspaceLayout layout = WorkspaceLayout::forClient(client, toolbar, statusBar);
    QCOMPARE(layout.tree, tree);
    QCOMPARE(layout.code, code);
}

void tst_WorkspaceLayout::growsOneToOne_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("toolbar");
    QTest::newRow("wider") << 1500 << 0 << 810;
    QTest::newRow("taller") << 0 << 2250 << 810;
    QTest::newRow("both") << 7777 << 333 << 810;
    QTest::newRow("taller toolbar") << 450 << 900 << 1005;
}

void tst_WorkspaceLayout::growsOneToOne()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, toolbar);
    const QSize start = WorkspaceLayout::initialClient();
    const WorkspaceLayout before = WorkspaceLayout::forClient(start, toolbar);
    const WorkspaceLayout after = WorkspaceLayout::forClient(start + QSize(dx, dy), toolbar);

    QCOMPARE(after.tree.topLeft(), before.tree.topLeft());
    QCOMPARE(after.code.topLeft(), before.code.topLeft());
    QCOMPARE(after.tree.width(), before.tree.width());
    QCOMPARE(after.code.width(), before.code.width() + dx);
    QCOMPARE(after.code.height(), before.code.height() + dy);
    QCOMPARE(after.tree.height(), after.code.height());
    // The panes sit just below the toolbar, whatever its height.
    QCOMPARE(after.code.top(), toolbar + 30);
}

void tst_WorkspaceLayout::pixels()
{
    const WorkspaceLayout initial = WorkspaceLayout::forClient(WorkspaceLayout::initialClient());
    QCOMPARE(WorkspaceLayout::toPixels(initial.tree), QRect(8, 56, 297, 385));
    QCOMPARE(WorkspaceLayout::toPixels(initial.code), QRect(312, 56, 449, 385));
    QCOMPARE(WorkspaceLayout::toPixels(WorkspaceLayout::initialClient()), QSize(769, 476));
    QCOMPARE(WorkspaceLayout::toPixels(WorkspaceLayout::minimumClient()), QSize(769, 201));
    QCOMPARE(WorkspaceLayout::clientFor(WorkspaceLayout::initialClient(), 960, 330), QSize(11535, 7245));
}

QTEST_APPLESS_MAIN(tst_WorkspaceLayout)
#include "tst_WorkspaceLayout.moc"
