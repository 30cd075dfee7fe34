#include "FakeShell.h"
#include "MemoryRegistryReader.h"
#include "MessageBox.h"
#include "SysInfoLauncher.h"

#include <QtTest>

namespace {
const std::uint32_t hklm = RegistryReader::HKEY_LOCAL_MACHINE_;
const QString pathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString folderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString toolPath =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString folder = QStringLiteral("C:\\Windows\\System32");
const QString folderTool = folder + QStringLiteral("\\MSINFO32.EXE");
} // namespace

class tst_SysInfoLauncher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::setRecording(true); }
    void cleanup() { MessageBox::setRecording(false); }
    void start_data();
    void start();
};

void tst_SysInfoLauncher::start_data()
{
    // A null text stands for a value that is not in the registry.
    QTest::addColumn<QString>("pathValue");
    QTest::addColumn<QString>("folderValue");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QStringList>("expectedStarts");
    QTest::addColumn<QStringList>("expectedChecks");
    QTest::addColumn<QStringList>("expectedKeys");
    QTest::addColumn<bool>("unavailable");

    const QStringList both{pathKey, folderKey};

    QTest::newRow("full path, second location unused")
        << toolPath << folder << QStringList{folderTool} << true << QStringList{toolPath} << QStringList{}
        << QStringList{pathKey} << false;
    QTest::newRow("full path of a missing file is started as it is")
        << toolPath << QString() << QStringList{} << true << QStringList{toolPath} << QStringList{}
        << QStringList{pathKey} << false;
    QTest::newRow("full path fails to start")
        << toolPath << QString() << QStringList{} << false << QStringList{toolPath} << QStringList{}
        << QStringList{pathKey} << true;
    QTest::newRow("folder holding the tool")
        << QString() << folder << QStringList{folderTool} << true << QStringList{folderTool}
        << QStringList{folderTool} << both << false;
    QTest::newRow("folder text joined without a separator added or removed")
        << QString() << folder + u'\\' << QStringList{folder + "\\\\MSINFO32.EXE"} << true
        << QStringList{folder + "\\\\MSINFO32.EXE"} << QStringList{folder + "\\\\MSINFO32.EXE"} << both
        << false;
    QTest::newRow("folder without the tool")
        << QString() << folder << QStringList{folder + "\\msinfo32.exe.bak"} << true << QStringList{}
        << QStringList{folderTool} << both << true;
    QTest::newRow("folder tool fails to start")
        << QString() << folder << QStringList{folderTool} << false << QStringList{folderTool}
        << QStringList{folderTool} << both << true;
    QTest::newRow("neither location")
        << QString() << QString() << QStringList{} << true << QStringList{} << QStringList{} << both << true;
}

void tst_SysInfoLauncher::start()
{
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(QStringList, existing);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, expectedStarts);
    QFETCH(QStringList, expectedChecks);
    QFETCH(QStringList, expectedKeys);
    QFETCH(bool, unavailable);

    MemoryRegistryReader registry;
    // The first key exists without its value in most rows, so that only a missing value sends
    // the search on to the second location.
    registry.addKey(hklm, pathKey);
    if (!pathValue.isNull())
        registry.setString(hklm, pathKey, QStringLiteral("PATH"), pathValue);
    if (!folderValue.isNull())
        registry.setString(hklm, folderKey, QStringLiteral("MSINFO"), folderValue);
    FakeShell shell;
    shell.existingFiles = QSet<QString>(existing.cbegin(), existing.cend());
    shell.startSucceeds = startSucceeds;

    SysInfoLauncher::StartSysInfo(nullptr);

    QCOMPARE(shell.startedPrograms, expectedStarts);
    QCOMPARE(shell.checkedFiles, expectedChecks);
    QCOMPARE(registry.keysAskedFor(), expectedKeys);
    QCOMPARE(registry.stillOpen(), 0);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), unavailable ? 1 : 0);
    if (unavailable) {
        QCOMPARE(shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(shown[0].caption, QStringLiteral("Quillet"));
        QCOMPARE(shown[0].icon, MessageBox::Icon::None);
    }
}

QTEST_APPLESS_MAIN(tst_SysInfoLauncher)
#include "tst_SysInfoLauncher.moc"
