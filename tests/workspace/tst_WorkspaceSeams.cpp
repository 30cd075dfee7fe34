#include "clsDisplay.h"
#include "frmMain.h"
#include "TestSettings.h"

#include <Qsci/qsciscintilla.h>

#include <QContextMenuEvent>
#include <QDockWidget>
#include <QTreeWidget>
#include <QtTest>

// Where the features of the window meet: the stage beside the panes, files and history.
class tst_WorkspaceSeams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init() { QSettings().clear(); }
    void stageNeverCoversThePanes();
    void noHiddenWayToDropToolbarOrStage_data();
    void noHiddenWayToDropToolbarOrStage();
};

void tst_WorkspaceSeams::stageNeverCoversThePanes()
{
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize designedMinimum = window.minimumSize();
    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("stageDock"));
    auto* code = window.findChild<QsciScintilla*>(QStringLiteral("txtCode"));
    auto* toggle = window.findChild<QAction*>(QStringLiteral("stageToggle"));
    toggle->trigger();
    QTRY_VERIFY(dock->isVisible());

    // Shrunk as far as it goes, the window still shows the whole code pane, scroll bar included.
    window.resize(1, 1);
    QTRY_VERIFY(code->geometry().right() < window.centralWidget()->width());

    // A floating or hidden stage takes no room from the window.
    dock->setFloating(true);
    QCOMPARE(window.minimumSize(), designedMinimum);
    dock->setFloating(false);
    QVERIFY(window.minimumWidth() > designedMinimum.width());
    toggle->trigger();
    QTRY_VERIFY(dock->isHidden());
    QCOMPARE(window.minimumSize(), designedMinimum);
}

void tst_WorkspaceSeams::noHiddenWayToDropToolbarOrStage_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("menu bar") << QStringLiteral("MenuBar1");
    QTest::newRow("stage title") << QStringLiteral("stageDock");
}

void tst_WorkspaceSeams::noHiddenWayToDropToolbarOrStage()
{
    QFETCH(QString, clicked);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("stageToggle"))->trigger();
    auto* target = window.findChild<QWidget*>(clicked);
    QTRY_VERIFY(target->isVisible());

    // A right click offers no menu that would hide the toolbar, or the stage behind its
    // toggle's back.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    if (popup)
        popup->close();
    QVERIFY(!popup);
}

QTEST_MAIN(tst_WorkspaceSeams)
#include "tst_WorkspaceSeams.moc"
