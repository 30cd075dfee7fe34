#include "CommandLine.h"
#include "Golden.h"

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

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
