#include "Golden.h"
#include "NumberReader.h"

#include <QtTest>

class tst_NumberReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
};

void tst_NumberReader::read_data()
{
    QTest::addColumn<bool>("strict");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : Golden::rows("core/golden/NumberReader.txt"))
        QTest::addRow("%s \"%s\"", qPrintable(row.at(0)), qPrintable(row.at(1)))
            << (row.at(0) == "strict") << row.at(1) << row.at(2);
}

void tst_NumberReader::read()
{
    QFETCH(bool, strict);
    QFETCH(QString, text);
    const std::optional<double> number = strict ? NumberReader::strict(text) : NumberReader::leading(text);
    const std::optional<qint32> whole = number ? NumberReader::toInt32(*number) : std::nullopt;
    QTEST(whole ? QString::number(*whole) : "-", "expected");
}

QTEST_APPLESS_MAIN(tst_NumberReader)
#include "tst_NumberReader.moc"
