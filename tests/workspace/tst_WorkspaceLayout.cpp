#include "WorkspaceLayout.h"

#include <QtTest>

class tst_WorkspaceLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
    void pixels();
};

void tst_WorkspaceLayout::figures_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<int>("statusBar");
    QTest::addColumn<QRect>("tree");
    QTest::addColumn<QRect>("code");
    QTest::addColumn<int>("messageHeight");
    QTest::addColumn<QRect>("message");
    QTest::newRow("initial") << QSize(11535, 7140) << 810 << 375 << QRect(120, 840, 4455, 5775)
                             << QRect(4680, 840, 6735, 5775) << 0 << QRect();
    // The minimum outer size 11775 x 3500 leaves a code pane of 6735 x 1655.
    QTest::newRow("minimum") << QSize(11535, 3020) << 810 << 375 << QRect(120, 840, 4455, 1655)
                             << QRect(4680, 840, 6735, 1655) << 0 << QRect();
    QTest::newRow("below minimum") << QSize(300, 200) << 810 << 375 << QRect(120, 840, 4455, 1655)
                                   << QRect(4680, 840, 6735, 1655) << 0 << QRect();
    QTest::newRow("taller bars, made up for")
        << QSize(11535, 7140 + 150 - 45) << 960 << 330 << QRect(120, 990, 4455, 5775)
        << QRect(4680, 990, 6735, 5775) << 0 << QRect();
    QTest::newRow("taller bars at minimum") << QSize(0, 0) << 960 << 330 << QRect(120, 990, 4455, 1655)
                                            << QRect(4680, 990, 6735, 1655) << 0 << QRect();
    // Growing adds to the code pane's width and to both heights, one to one.
    QTest::newRow("grown") << QSize(11535 + 1500, 7140 + 2250) << 810 << 375
                           << QRect(120, 840, 4455, 5775 + 2250) << QRect(4680, 840, 6735 + 1500, 5775 + 2250)
                           << 0 << QRect();
    QTest::newRow("narrow but tall") << QSize(9000, 8000) << 810 << 375 << QRect(120, 840, 4455, 6635)
                                     << QRect(4680, 840, 6735, 6635) << 0 << QRect();
    // The message line takes its height from the code pane only, and at most half of it.
    QTest::newRow("message line") << QSize(11535, 7140) << 810 << 375 << QRect(120, 840, 4455, 5775)
                                  << QRect(4680, 840, 6735, 5145) << 600 << QRect(4680, 6015, 6735, 600);
    QTest::newRow("tall message at minimum")
        << QSize(0, 0) << 810 << 375 << QRect(120, 840, 4455, 1655) << QRect(4680, 840, 6735, 828) << 5000
        << QRect(4680, 1698, 6735, 797);
}

void tst_WorkspaceLayout::figures()
{
    QFETCH(QSize, client);
    QFETCH(int, toolbar);
    QFETCH(int, statusBar);
    QFETCH(QRect, tree);
    QFETCH(QRect, code);
    QFETCH(int, messageHeight);
    QFETCH(QRect, message);
    QCOMPARE(WorkspaceLayout::initialClient(), QSize(11535, 7140));
    const WorkspaceLayout layout = WorkspaceLayout::forClient(client, toolbar, statusBar, messageHeight);
    QCOMPARE(layout.tree, tree);
    QCOMPARE(layout.code, code);
    QCOMPARE(layout.message, message);
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
