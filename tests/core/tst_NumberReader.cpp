#include "NumberReader.h"

#include <QtTest>

class tst_NumberReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
};

// An invalid expected QVariant stands for "no whole number": not a number, or outside 32 bits.
static void row(bool strict, const char* text, const QVariant& expected = {})
{
    QTest::addRow("%s \"%s\"", strict ? "strict" : "leading", text) << strict << QString(text) << expected;
}

void tst_NumberReader::read_data()
{
    QTest::addColumn<bool>("strict");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");
    row(false, "40px", 40);
    row(false, " \t7\n2", 72);
    row(false, "12.5", 12);
    row(false, "13.5", 14);
    row(false, "0.4", 0);
    row(false, "12abc", 12);
    row(false, "abc", 0);
    row(false, "-250", -250);
    row(false, "&H10", 16);
    row(false, "&o17", 15);
    row(false, "1E3", 1000);
    row(false, "1D2", 100);
    row(false, "-2147483648.5", -2147483647 - 1);
    row(false, "2147483647", 2147483647);
    row(false, "2147483647.5");
    row(false, "1E10");
    row(false, "-3000000000");
    row(true, "12", 12);
    row(true, "7.5", 8);
    row(true, "6.5", 6);
    row(true, " 8 ", 8);
    row(true, "-1.5E2", -150);
    row(true, "8x");
    row(true, "");
    row(true, "1 5");
}

void tst_NumberReader::read()
{
    QFETCH(bool, strict);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    const std::optional<double> number = strict ? NumberReader::strict(text) : NumberReader::leading(text);
    const std::optional<qint32> whole = number ? NumberReader::toInt32(*number) : std::nullopt;
    QCOMPARE(whole ? QVariant(*whole) : QVariant(), expected);
}

QTEST_APPLESS_MAIN(tst_NumberReader)
#include "tst_NumberReader.moc"
