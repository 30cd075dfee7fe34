#include "CheckLine.h"
#include "Golden.h"

#include <QtTest>

class tst_CheckLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void compose_data();
    void compose();
};

void tst_CheckLine::compose_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : Golden::rows("workspace/golden/CheckLine.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row;
}

void tst_CheckLine::compose()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 9);
    const auto list = [](const QString& cell) { return cell.isEmpty() ? QStringList() : cell.split(" ; "); };
    SnippetAdvisor::Report report;
    if (row.at(1) != "-")
        report.error = LuaCompiler::Error{row.at(1).section(':', 0, 0).toInt(), row.at(1).section(':', 1)};
    report.hints = list(row.at(2));
    report.warnings = list(row.at(3));
    report.notes = list(row.at(4));
    QList<PictureChecks::Problem> pictures;
    for (const QString& problem : list(row.at(5)))
        pictures.append({problem.startsWith("E:"), problem.mid(2)});
    const CheckLine line = CheckLine::compose(report, pictures);
    QCOMPARE(line.isEmpty() ? QStringLiteral("-") : line.severity, row.at(6));
    QCOMPARE(line.errorLine, row.at(7).toInt());
    QCOMPARE(line.html, row.at(8));
}

QTEST_APPLESS_MAIN(tst_CheckLine)
#include "tst_CheckLine.moc"
