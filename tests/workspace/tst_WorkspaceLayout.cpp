#include "Golden.h"
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

namespace {

QRect rect(const QString& cell)
{
    const QStringList n = cell.split(' ');
    return QRect(n.value(0).toInt(), n.value(1).toInt(), n.value(2).toInt(), n.value(3).toInt());
}

} // namespace

void tst_WorkspaceLayout::figures_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<QRect>("tree");
    QTest::addColumn<QRect>("code");
    for (const QStringList& row : Golden::rows("workspace/golden/Layout.txt"))
        QTest::newRow(qPrintable(row.value(0))) << rect("0 0 " + row.value(1)).size() << row.value(2).toInt()
                                                << rect(row.value(3)) << rect(row.value(4));
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
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("restored");
    for (const QStringList& row : Golden::rows("workspace/golden/Placement.txt"))
        QTest::newRow(qPrintable(row.value(0))) << rect(row.value(1)) << (row.value(2) == "1");
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
