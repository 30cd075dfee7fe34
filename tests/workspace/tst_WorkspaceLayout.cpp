#include "WorkspaceLayout.h"

#include <QtTest>

// In twips; the window test checks the same figures in pixels.
class tst_WorkspaceLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
};

void tst_WorkspaceLayout::figures_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<int>("messageHeight");
    QTest::addColumn<QRect>("tree");
    QTest::addColumn<QRect>("code");
    QTest::addColumn<QRect>("message");
    QTest::newRow("initial") << QSize(11535, 7140) << 810 << 0 << QRect(120, 840, 4455, 5775)
                             << QRect(4680, 840, 6735, 5775) << QRect();
    QTest::newRow("below minimum") << QSize(300, 200) << 810 << 0 << QRect(120, 840, 4455, 1655)
                                   << QRect(4680, 840, 6735, 1655) << QRect();
    QTest::newRow("taller toolbar, made up for")
        << QSize(11535, 7290) << 960 << 0 << QRect(120, 990, 4455, 5775) << QRect(4680, 990, 6735, 5775)
        << QRect();
    // Growing adds to the code pane's width and to both heights, one to one.
    QTest::newRow("grown") << QSize(11535 + 1500, 7140 + 2250) << 810 << 0
                           << QRect(120, 840, 4455, 5775 + 2250) << QRect(4680, 840, 6735 + 1500, 5775 + 2250)
                           << QRect();
    QTest::newRow("narrow but tall") << QSize(9000, 8000) << 810 << 0 << QRect(120, 840, 4455, 6635)
                                     << QRect(4680, 840, 6735, 6635) << QRect();
    // The message line takes its height from the code pane only, and at most half of it.
    QTest::newRow("message line") << QSize(11535, 7140) << 810 << 600 << QRect(120, 840, 4455, 5775)
                                  << QRect(4680, 840, 6735, 5145) << QRect(4680, 6015, 6735, 600);
    QTest::newRow("tall message at minimum") << QSize(0, 0) << 810 << 5000 << QRect(120, 840, 4455, 1655)
                                             << QRect(4680, 840, 6735, 828) << QRect(4680, 1698, 6735, 797);
}

void tst_WorkspaceLayout::figures()
{
    QFETCH(QSize, client);
    QFETCH(int, toolbar);
    QFETCH(int, messageHeight);
    QFETCH(QRect, tree);
    QFETCH(QRect, code);
    QFETCH(QRect, message);
    const WorkspaceLayout layout = WorkspaceLayout::forClient(client, toolbar, 375, messageHeight);
    QCOMPARE(layout.tree, tree);
    QCOMPARE(layout.code, code);
    QCOMPARE(layout.message, message);
}

QTEST_APPLESS_MAIN(tst_WorkspaceLayout)
#include "tst_WorkspaceLayout.moc"
