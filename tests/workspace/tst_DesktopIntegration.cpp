#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

// The desktop entry and the AppStream file as `cmake --install` puts them in place,
// checked by the validators the distributions use.
class tst_DesktopIntegration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validates_data();
    void validates();
    void namesAgree();
};

void tst_DesktopIntegration::validates_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{"validate", "--no-net", QStringLiteral(QUILLET_METAINFO_FILE)};
    QTest::newRow("desktop entry") << "desktop-file-validate"
                                   << QStringList{QStringLiteral(QUILLET_DESKTOP_FILE)};
}

void tst_DesktopIntegration::validates()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray output = process.readAll();
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, output.constData());
    // desktop-file-validate reports hints with a zero exit code; they count as failures here.
    QVERIFY2(!output.contains("error") && !output.contains("warning"), output.constData());
}

void tst_DesktopIntegration::namesAgree()
{
    const QFileInfo desktop(QStringLiteral(QUILLET_DESKTOP_FILE));
    QSettings entry(desktop.filePath(), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("quillet"));
    // The icon is installed under the application id, which also names the desktop file.
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString() + QStringLiteral(".desktop"), desktop.fileName());

    QFile metainfo(QStringLiteral(QUILLET_METAINFO_FILE));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QByteArray xml = metainfo.readAll();
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + desktop.fileName().toUtf8() + "</launchable>"));
}

QTEST_APPLESS_MAIN(tst_DesktopIntegration)
#include "tst_DesktopIntegration.moc"
