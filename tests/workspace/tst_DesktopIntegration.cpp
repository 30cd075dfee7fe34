#include <QProcess>
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
    // ./quillet.sh installs both validators (Debian packages appstream and desktop-file-utils).
    QVERIFY2(!program.isEmpty(), qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray output = process.readAll();
    // desktop-file-validate reports hints with a zero exit code; they count as failures here.
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
                 !output.contains("error") && !output.contains("warning"),
             output.constData());
}

QTEST_APPLESS_MAIN(tst_DesktopIntegration)
#include "tst_DesktopIntegration.moc"
