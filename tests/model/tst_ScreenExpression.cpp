#include "Golden.h"
#include "ScreenExpression.h"

#include <QtTest>

// golden/ScreenExpression.txt: what the parser makes of a text, its value with the names
// below, and where a drag moves it.
class tst_ScreenExpression : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rows_data();
    void rows();
};

void tst_ScreenExpression::rows_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : Golden::rows("model/golden/ScreenExpression.txt"))
        QTest::newRow(qPrintable(row.join(" | "))) << row;
}

void tst_ScreenExpression::rows()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 4);
    const QString text = row.at(1);
    if (row.at(0) == "parse") {
        const ScreenExpression::Parsed parsed = ScreenExpression::parse(text);
        QCOMPARE(parsed.ok() ? parsed.text : "refused: " + parsed.error, row.at(2));
        QCOMPARE(ScreenExpression::evaluate(text, {{"display.contentWidth", 320},
                                                   {"display.screenOriginX", -27},
                                                   {"display.safeScreenOriginY", 44}})
                     .value_or(qQNaN()),
                 row.at(3) == "-" ? qQNaN() : row.at(3).toDouble());
    } else {
        QCOMPARE(ScreenExpression::nudged(text, row.at(2).toDouble()), row.at(3));
    }
}

QTEST_APPLESS_MAIN(tst_ScreenExpression)
#include "tst_ScreenExpression.moc"
