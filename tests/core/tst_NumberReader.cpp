#include "NumberReader.h"

#include <QtTest>

// An invalid QVariant stands for "no whole number": not a number, or outside 32 bits.
static QVariant asVariant(std::optional<qint32> v)
{
    return v ? QVariant(*v) : QVariant();
}

class tst_NumberReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leading_data();
    void leading();
    void strict_data();
    void strict();
};

void tst_NumberReader::leading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");
    const QVariant outOfRange;
    QTest::newRow("unit after number") << "40px" << QVariant(40);
    QTest::newRow("blank inside digits") << "1 5" << QVariant(15);
    QTest::newRow("blank in thousands") << "1 500" << QVariant(1500);
    QTest::newRow("tab and line feed skipped") << " \t7\n2" << QVariant(72);
    QTest::newRow("half down to even") << "12.5" << QVariant(12);
    QTest::newRow("half up to even") << "13.5" << QVariant(14);
    QTest::newRow("2.5 to even") << "2.5" << QVariant(2);
    QTest::newRow("3.5 to even") << "3.5" << QVariant(4);
    QTest::newRow("negative half to even") << "-2.5" << QVariant(-2);
    QTest::newRow("below half") << "0.4" << QVariant(0);
    QTest::newRow("letters end it") << "12abc" << QVariant(12);
    QTest::newRow("second point ends it") << "12.5.3" << QVariant(12);
    QTest::newRow("no number") << "abc" << QVariant(0);
    QTest::newRow("empty") << "" << QVariant(0);
    QTest::newRow("negative") << "-250" << QVariant(-250);
    QTest::newRow("hexadecimal") << "&H10" << QVariant(16);
    QTest::newRow("octal, lower case") << "&o17" << QVariant(15);
    QTest::newRow("exponent E") << "1E3" << QVariant(1000);
    QTest::newRow("exponent D") << "1D2" << QVariant(100);
    QTest::newRow("exponent without digits") << "3E" << QVariant(3);
    QTest::newRow("underflow is 0") << "1E-400" << QVariant(0);
    QTest::newRow("largest") << "2147483647" << QVariant(2147483647);
    QTest::newRow("smallest, half to even") << "-2147483648.5" << QVariant(-2147483647 - 1);
    QTest::newRow("rounds past largest") << "2147483647.5" << outOfRange;
    QTest::newRow("1E10") << "1E10" << outOfRange;
    QTest::newRow("-3000000000") << "-3000000000" << outOfRange;
    QTest::newRow("overflow") << "1E400" << outOfRange;
    QTest::newRow("hexadecimal past 32 bits") << "&HFFFFFFFF" << outOfRange;
}

void tst_NumberReader::leading()
{
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    QCOMPARE(asVariant(NumberReader::toInt32(NumberReader::leading(text))), expected);
}

void tst_NumberReader::strict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");
    const QVariant rejected;
    QTest::newRow("whole") << "12" << QVariant(12);
    QTest::newRow("half up to even") << "7.5" << QVariant(8);
    QTest::newRow("half down to even") << "6.5" << QVariant(6);
    QTest::newRow("blanks around") << " 8 " << QVariant(8);
    QTest::newRow("signed exponent") << "-1.5E2" << QVariant(-150);
    QTest::newRow("trailing letter") << "8x" << rejected;
    QTest::newRow("empty") << "" << rejected;
    QTest::newRow("blanks only") << "   " << rejected;
    QTest::newRow("blank inside") << "1 5" << rejected;
    QTest::newRow("sign only") << "-" << rejected;
    QTest::newRow("hexadecimal") << "&H10" << rejected;
    QTest::newRow("out of range") << "1E10" << rejected;
}

void tst_NumberReader::strict()
{
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    const std::optional<double> number = NumberReader::strict(text);
    QCOMPARE(asVariant(number ? NumberReader::toInt32(*number) : std::nullopt), expected);
}

QTEST_APPLESS_MAIN(tst_NumberReader)
#include "tst_NumberReader.moc"
