#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The desktop entry and the AppStream file as `cmake --install` puts them in place,
// checked by the validators the distributions use.
class tst_DesktopIntegration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validates_data();
    void validates();
    void declaresFileType();
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

// The file type as a file manager learns it: the shared-mime-info database built from our
// package maps *.quillet to the type that the desktop entry says Quillet opens.
void tst_DesktopIntegration::declaresFileType()
{
    const QString type = QStringLiteral("application/x-quillet-workspace");
    QSettings entry(QStringLiteral(QUILLET_DESKTOP_FILE), QSettings::IniFormat);
    QVERIFY(entry.value(QStringLiteral("Desktop Entry/MimeType"))
                .toString()
                .split(QLatin1Char(';'))
                .contains(type));

    const QString program = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    QVERIFY2(!program.isEmpty(), "update-mime-database (shared-mime-info) is needed");
    QTemporaryDir data;
    QVERIFY(data.isValid());
    const QDir mime(data.filePath(QStringLiteral("mime")));
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("mime/packages")));
    QVERIFY(QFile::copy(QStringLiteral(QUILLET_MIME_FILE),
                        mime.filePath(QStringLiteral("packages/quillet.xml"))));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Without the folder on the search path the tool adds a note, which would hide real ones.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), data.path());
    process.setProcessEnvironment(environment);
    process.start(program, {mime.path()});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray output = process.readAll();
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && output.isEmpty(),
             output.constData());
    QFile globs(mime.filePath(QStringLiteral("globs2")));
    QVERIFY(globs.open(QIODevice::ReadOnly));
    QVERIFY2(globs.readAll().contains(":" + type.toLatin1() + ":*.quillet\n"), "no glob for *.quillet");
}

QTEST_APPLESS_MAIN(tst_DesktopIntegration)
#include "tst_DesktopIntegration.moc"
