#include "CommandLine.h"
#include "CommandLineExport.h"
#include "ExpectedText.h"
#include "Golden.h"

#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parses_data();
    void parses();
    void exports();
};

void tst_CommandLine::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("text");
    for (const QStringList& row : Golden::rows("workspace/golden/CommandLine.txt"))
        QTest::newRow(qPrintable(row.at(0))) << row.at(0).split(", ") << row.at(1) << row.value(2);
}

void tst_CommandLine::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outcome);
    QFETCH(QString, text);
    const CommandLine::Result result = CommandLine::parse(arguments);
    QCOMPARE(result.run, outcome == "run" || outcome == "export");
    QCOMPARE(result.fileName, result.run ? text : QString());
    QCOMPARE(result.exportFile.isEmpty(), outcome != "export");
    if (!result.run) {
        QCOMPARE(QString::number(result.exitCode), outcome);
        QCOMPARE(result.toStdErr, result.exitCode != 0);
        QVERIFY2(result.output.startsWith(text), qPrintable(result.output));
    }
}

// What the menu writes, the game's target by default; a refused workspace or an unwritable OUT
// ends with 1 and leaves no file.
void tst_CommandLine::exports()
{
    QTemporaryDir dir;
    const QString scene = QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/scenes/scene.quillet");
    const QString out = dir.filePath(QStringLiteral("level1.lua"));
    QCOMPARE(CommandLineExport::run(CommandLine::parse({"quillet", "--export-scene", out, scene})), 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()),
             ExpectedText::golden(QStringLiteral("scenes/graphics2.lua")));
    QFile refused(dir.filePath(QStringLiteral("refused.quillet")));
    QVERIFY(refused.open(QIODevice::WriteOnly) && refused.write("{}") == 2);
    refused.close();
    const QString other = dir.filePath(QStringLiteral("other.lua"));
    QCOMPARE(
        CommandLineExport::run(CommandLine::parse({"quillet", "--export-lua", other, refused.fileName()})),
        1);
    QCOMPARE(CommandLineExport::run(CommandLine::parse({"quillet", "--export-lua", dir.path(), scene})), 1);
    QVERIFY(!QFile::exists(other));
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
