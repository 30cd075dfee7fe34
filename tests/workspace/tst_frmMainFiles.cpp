#include "FileDialog.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "TestSettings.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

// The File menu as the window offers it: its entries and their keys.
class tst_frmMainFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init() { MessageBox::setRecording(true); }
    void cleanup();
    void fileMenuComesFirst();
    void shortcuts_data();
    void shortcuts();
};

void tst_frmMainFiles::cleanup()
{
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    // Names a failed row left queued would answer the next row's dialogs.
    const qsizetype unused = fileDialog()->pendingFileNames();
    while (fileDialog()->pendingFileNames() > 0)
        fileDialog()->getOpenFileName(nullptr, {}, {}, {});
    QCOMPARE(unused, 0);
}

void tst_frmMainFiles::fileMenuComesFirst()
{
    frmMain window;
    const QList<QAction*> menus = window.menuBar()->actions();
    QVERIFY(menus.size() >= 2);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Edit"));
    QStringList entries;
    for (QAction* entry : menus.at(0)->menu()->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(entries, (QStringList{"&New", "&Open...", "Open &Recent", "-", "&Save", "Save &As...", "-",
                                   "&Project Folder...", "C&lear Project Folder", "-", "&Export Lua...", "-",
                                   "&Quit"}));
}

void tst_frmMainFiles::shortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");
    // Where the desktop defines none, the common keys.
    const auto orCommon = [](QKeySequence::StandardKey key, const char* common) {
        const QKeySequence standard(key);
        return standard.isEmpty() ? QKeySequence(QLatin1String(common)) : standard;
    };
    const QList<std::pair<const char*, QKeySequence>> commands{
        {"actNew", QKeySequence::New},
        {"actOpen", QKeySequence::Open},
        {"actSave", QKeySequence::Save},
        {"actSaveAs", orCommon(QKeySequence::SaveAs, "Ctrl+Shift+S")},
        {"actQuit", orCommon(QKeySequence::Quit, "Ctrl+Q")}};
    for (const auto& [name, keys] : commands) {
        for (const char* focus : {"tv1", "txtCode"})
            QTest::addRow("%s, %s", name, focus) << name << keys << focus;
    }
}

// Each key reaches its command from the tree and from the code pane alike.
void tst_frmMainFiles::shortcuts()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction* command = window.findChild<QAction*>(name);
    QVERIFY(command);
    QSignalSpy triggered(command, &QAction::triggered);
    // Every command then stops at once: Open and Save As at a cancelled dialog.
    if (name.startsWith(QLatin1String("actOpen")) || name.startsWith(QLatin1String("actSave")))
        fileDialog()->setNextFileName(QString());
    QWidget* target = window.findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keySequence(target, keys);
    QCOMPARE(triggered.count(), 1);
}

QTEST_MAIN(tst_frmMainFiles)
#include "tst_frmMainFiles.moc"
