#include "Editors.h"
#include "FakeShell.h"
#include "frmAbout.h"
#include "MemoryRegistryReader.h"
#include "MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_frmAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { MessageBox::setRecording(false); }
    void texts();
    void closes_data();
    void closes();
    void sysInfoUnavailableStaysOpen();
};

void tst_frmAbout::texts()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quillet"));
    QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Quillet"));
    QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(about.findChild<QLabel*>("lblDescription")->text().contains("Corona SDK"));
    QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

void tst_frmAbout::closes_data()
{
    QTest::addColumn<int>("key"); // 0: a click on OK
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void tst_frmAbout::closes()
{
    QFETCH(int, key);
    MemoryRegistryReader registry;
    FakeShell shell;
    MessageBox::setRecording(true);
    QWidget owner;
    owner.show();

    bool sawAbout = false;
    QWidget* seenOwner = nullptr;
    bool forced = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* seen = QApplication::activeModalWidget();
        if (!seen)
            return;
        sawAbout = qobject_cast<frmAbout*>(seen) != nullptr;
        seenOwner = seen->parentWidget();
        if (key == 0) {
            QTest::mouseClick(seen->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        } else {
            // Keys go to the other button: they must still reach OK, not System Info.
            auto* sysInfo = seen->findChild<QPushButton*>("cmdSysInfo");
            sysInfo->setFocus();
            QTest::keyClick(sysInfo, Qt::Key(key));
        }
    });
    // Should the box not close, this ends the wait instead of blocking the run.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            forced = true;
            modal->close();
        }
    });
    watchdog.start(5000);

    Editors::openAbout(&owner);

    QVERIFY(sawAbout);
    QCOMPARE(seenOwner, &owner);
    QVERIFY(!forced);
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void tst_frmAbout::sysInfoUnavailableStaysOpen()
{
    MemoryRegistryReader registry;
    FakeShell shell;
    MessageBox::setRecording(true);
    frmAbout about;
    about.show();

    about.findChild<QPushButton*>("cmdSysInfo")->click();

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(shown[0].parent, &about);
    QVERIFY(shell.startedPrograms.isEmpty());
    QVERIFY(about.isVisible());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
