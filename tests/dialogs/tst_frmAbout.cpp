#include "Editors.h"
#include "FakeShell.h"
#include "frmAbout.h"
#include "MemoryRegistryReader.h"
#include "MessageBox.h"
#include "Ui.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
const QString pathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString folderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString tool =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString folder = QStringLiteral("C:\\Windows\\System32");
const QString folderTool = folder + QStringLiteral("\\MSINFO32.EXE");
} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::setRecording(true); }
    void texts();
    void closes_data();
    void closes();
    void sysInfo_data();
    void sysInfo();
};

void tst_frmAbout::texts()
{
    frmAbout about;
    QCOMPARE(QStringList({about.windowTitle(), Ui::find<QLabel>(&about, "lblTitle")->text(),
                          Ui::find<QLabel>(&about, "lblVersion")->text(),
                          Ui::find<QPushButton>(&about, "cmdSysInfo")->text()}),
             QStringList({"About Quillet", "Quillet", "Version 1.0.0", "&System Info..."}));
}

void tst_frmAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "cmdOK";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "esc";
}

void tst_frmAbout::closes()
{
    QFETCH(QString, how);
    MemoryRegistryReader registry; // empty: System Info is never found
    FakeShell shell;
    QWidget owner;
    owner.show();
    QWidget* seenOwner = nullptr;
    bool forced = false;
    Ui::whenModal([&](QWidget* about) {
        seenOwner = about->parentWidget();
        // Keys go to the other button: they must still reach OK, not System Info.
        Ui::find<QPushButton>(about, "cmdSysInfo")->setFocus();
        Ui::end(about, how);
        if (about->isVisible())
            forced = about->close();
    });
    Editors::openAbout(&owner);
    QCOMPARE(seenOwner, &owner);
    QVERIFY(!forced);
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void tst_frmAbout::sysInfo_data()
{
    // A null text stands for a value that is not in the registry.
    QTest::addColumn<QString>("pathValue");
    QTest::addColumn<QString>("folderValue");
    QTest::addColumn<bool>("folderToolExists");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QStringList>("starts");
    const QStringList none;
    // clang-format off
    QTest::newRow("full path wins")      << tool      << folder    << true  << true  << QStringList{tool};
    QTest::newRow("full path fails")     << tool      << QString() << false << false << QStringList{tool};
    QTest::newRow("folder with tool")    << QString() << folder    << true  << true  << QStringList{folderTool};
    QTest::newRow("folder without tool") << QString() << folder    << false << true  << none;
    QTest::newRow("folder tool fails")   << QString() << folder    << true  << false << QStringList{folderTool};
    QTest::newRow("neither location")    << QString() << QString() << true  << true  << none;
    // clang-format on
}

void tst_frmAbout::sysInfo()
{
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(bool, folderToolExists);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, starts);
    MemoryRegistryReader registry;
    // The first key exists without its value unless given one: only a missing value may send
    // the search on to the second location.
    registry.addKey(pathKey);
    if (!pathValue.isNull())
        registry.setValue(pathKey, "Path", RegistryReader::REG_SZ_, registry.utf16(pathValue + QChar(0)));
    if (!folderValue.isNull())
        registry.setValue(folderKey, "MSINFO", RegistryReader::REG_SZ_, registry.utf16(folderValue));
    FakeShell shell;
    if (folderToolExists)
        shell.existingFiles.insert(folderTool);
    shell.startSucceeds = startSucceeds;
    frmAbout about;
    about.show();

    Ui::find<QPushButton>(&about, "cmdSysInfo")->click();

    QCOMPARE(shell.startedPrograms, starts);
    QCOMPARE(registry.stillOpen(), 0);
    QVERIFY(about.isVisible());
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    const bool unavailable = !startSucceeds || starts.isEmpty();
    QCOMPARE(shown.size(), unavailable ? 1 : 0);
    if (unavailable) {
        QCOMPARE(shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(shown[0].caption, QStringLiteral("Quillet"));
        QCOMPARE(shown[0].parent, &about);
    }
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
