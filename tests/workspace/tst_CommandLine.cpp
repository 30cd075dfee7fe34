#include "CommandLine.h"

#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parses_data();
    void parses();
};

void tst_CommandLine::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("run");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outputStart"); // on stderr when the exit code is not 0

    QTest::newRow("nothing") << QStringList{"quillet"} << true << "" << 0 << "";
    QTest::newRow("file") << QStringList{"quillet", "my scene.quillet"} << true << "my scene.quillet" << 0
                          << "";
    QTest::newRow("file after --") << QStringList{"quillet", "--", "-v.quillet"} << true << "-v.quillet" << 0
                                   << "";
    QTest::newRow("version") << QStringList{"quillet", "--version"} << false << "" << 0 << "Quillet 1.0.0\n";
    QTest::newRow("help") << QStringList{"/usr/bin/quillet", "--help"} << false << "" << 0
                          << "Usage: quillet [options] [FILE]\n";
    QTest::newRow("two files") << QStringList{"quillet", "a.quillet", "b.quillet"} << false << "" << 1
                               << "Only one workspace can be opened at a time.\nTry 'quillet --help'";
    QTest::newRow("unknown option") << QStringList{"quillet", "--bogus"} << false << "" << 1
                                    << "Unknown option 'bogus'.\n";
}

void tst_CommandLine::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, run);
    QFETCH(QString, fileName);
    QFETCH(int, exitCode);
    QFETCH(QString, outputStart);
    const CommandLine::Result result = CommandLine::parse(arguments);
    QCOMPARE(result.run, run);
    QCOMPARE(result.fileName, fileName);
    if (!run) {
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.toStdErr, exitCode != 0);
        QVERIFY2(result.output.startsWith(outputStart), qPrintable(result.output));
    }
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
