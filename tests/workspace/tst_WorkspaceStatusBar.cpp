#include "BuildInfo.h"
#include "FakeShell.h"
#include "Golden.h"
#include "Ui.h"
#include "WorkspaceStatusBar.h"

#include <QLabel>
#include <QtTest>

class tst_WorkspaceStatusBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void links_data();
    void links();
    void noteGoesAfterAWhile();
};

void tst_WorkspaceStatusBar::links_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened");
    const auto own = [](QString cell) {
        return cell.replace("{year}", BuildInfo::makerYear)
            .replace("{maker}", BuildInfo::maker)
            .replace("{email}", BuildInfo::feedbackEmail)
            .replace("{url}", BuildInfo::homepageUrl);
    };
    for (const QStringList& row : Golden::rows("workspace/golden/StatusBar.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row.value(0) << own(row.value(1)) << own(row.value(2));
}

void tst_WorkspaceStatusBar::links()
{
    QFETCH(QString, panel);
    QFETCH(QString, opened);
    FakeShell shell;
    WorkspaceStatusBar bar(nullptr);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QLabel* label = Ui::find<QLabel>(&bar, panel);
    QTEST(label->text(), "text");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(shell.openedUrls.isEmpty() ? QString() : shell.openedUrls.first().toString(), opened);
}

// A note shows for a few seconds; a second one starts them anew.
void tst_WorkspaceStatusBar::noteGoesAfterAWhile()
{
    WorkspaceStatusBar bar(nullptr);
    bar.show();
    auto* note = Ui::find<QLabel>(&bar, "lblNote");
    QVERIFY(note->isHidden());
    bar.showNote("first");
    QTest::qWait(2000);
    bar.showNote("second");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("second"));
    QTRY_VERIFY_WITH_TIMEOUT(note->isHidden(), 8000);
    // Qt's timers may fire up to 5 % early.
    QVERIFY2(clock.elapsed() >= 3800, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(tst_WorkspaceStatusBar)
#include "tst_WorkspaceStatusBar.moc"
