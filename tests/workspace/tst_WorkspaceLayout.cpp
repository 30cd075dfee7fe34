#include "WindowPlacement.h"
#include "WorkspaceLayout.h"

#include <QtTest>

// In twips; the window test checks the same figures in pixels.
class tst_WorkspaceLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
    void placement_data();
    void placement();
};

void tst_WorkspaceLayout::figures_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<QRect>("tree");
    QTest::addColumn<QRect>("code");
    QTest::newRow("initial") << QSize(11535, 7140) << 810 << QRect(120, 840, 4455, 5775)
                             << QRect(4680, 840, 6735, 5775);
    QTest::newRow("below minimum") << QSize(300, 200) << 810 << QRect(120, 840, 4455, 1655)
                                   << QRect(4680, 840, 6735, 1655);
    QTest::newRow("taller toolbar, made up for")
        << QSize(11535, 7290) << 960 << QRect(120, 990, 4455, 5775) << QRect(4680, 990, 6735, 5775);
    // Growing adds to the code pane's width and to both heights, one to one.
    QTest::newRow("grown") << QSize(11535 + 1500, 7140 + 2250) << 810 << QRect(120, 840, 4455, 5775 + 2250)
                           << QRect(4680, 840, 6735 + 1500, 5775 + 2250);
    QTest::newRow("narrow but tall") << QSize(9000, 8000) << 810 << QRect(120, 840, 4455, 6635)
                                     << QRect(4680, 840, 6735, 6635);
}

void tst_WorkspaceLayout::figures()
{
    QFETCH(QSize, client);
    QFETCH(int, toolbar);
    QFETCH(QRect, tree);
    QFETCH(QRect, code);
    const WorkspaceLayout layout = WorkspaceLayout::forClient(client, toolbar, 375);
    QCOMPARE(layout.tree, tree);
    QCOMPARE(layout.code, code);
    // Twips become whole pixels to the nearest, not cut short.
    QCOMPARE(WorkspaceLayout::toPixels(toolbar + 8), toolbar / 15 + 1);
}

void tst_WorkspaceLayout::placement_data()
{
    QTest::addColumn<QRect>("frame"); // on a screen whose available area is 0 0 1920 1040
    QTest::addColumn<bool>("restored");
    QTest::newRow("exactly as wide") << QRect(0, 0, 1920, 1000) << true;
    QTest::newRow("one pixel wider") << QRect(0, 0, 1921, 1000) << false;
    QTest::newRow("off the screen") << QRect(2000, 0, 800, 600) << false;
}

void tst_WorkspaceLayout::placement()
{
    QFETCH(QRect, frame);
    QByteArray saved; // as QWidget::saveGeometry writes it
    QDataStream out(&saved, QIODevice::WriteOnly);
    out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << frame << frame;
    QTEST(WindowPlacement::fits(saved, {QRect(0, 0, 1920, 1040)}), "restored");
}

QTEST_APPLESS_MAIN(tst_WorkspaceLayout)
#include "tst_WorkspaceLayout.moc"
