#include "MemoryRegistryReader.h"
#include "RegistryReader.h"

#include <QtTest>

class tst_GetKeyValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
};

void tst_GetKeyValue::read_data()
{
    QTest::addColumn<int>("have"); // 0: no key, 1: key without the value, 2: key and value
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");
    const uint sz = RegistryReader::REG_SZ_;
    const uint dword = RegistryReader::REG_DWORD_;
    const QString path = QStringLiteral("C:\\Program Files\\Tool\\tool.exe");
    const QString full(512, u'x'); // fills the reader's 1024-byte buffer
    const QChar nul(0);
    auto utf16 = MemoryRegistryReader::utf16;
    // clang-format off
    QTest::newRow("string ending in NUL")  << 2 << sz << utf16(path + nul) << true << path;
    QTest::newRow("only the last NUL")     << 2 << sz << utf16(QString("ab") + nul + nul) << true << QString("ab") + nul;
    QTest::newRow("full buffer, no NUL")   << 2 << sz << utf16(full) << true << full;
    QTest::newRow("larger than buffer")    << 2 << sz << utf16(full + u'y') << false << QString();
    QTest::newRow("number 5")              << 2 << dword << QByteArray("\x05\0\0\0", 4) << true << "5";
    QTest::newRow("number 256")            << 2 << dword << QByteArray("\0\x01\0\0", 4) << true << "256";
    QTest::newRow("largest number")        << 2 << dword << QByteArray("\xff\xff\xff\xff", 4) << true << "4294967295";
    QTest::newRow("other type unchanged")  << 2 << 2u << utf16(path + nul) << true << "before";
    QTest::newRow("open fails")            << 0 << sz << QByteArray() << false << QString();
    QTest::newRow("query fails")           << 1 << sz << QByteArray() << false << QString();
    // clang-format on
}

void tst_GetKeyValue::read()
{
    QFETCH(int, have);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    const QString key = QStringLiteral("SOFTWARE\\Quillet Test");
    MemoryRegistryReader registry;
    if (have > 0)
        registry.addKey(key);
    if (have > 1)
        registry.setValue(key, "Value", type, data);

    QString value = QStringLiteral("before");
    QTEST(GetKeyValue(RegistryReader::HKEY_LOCAL_MACHINE_, key, "Value", &value), "found");
    QTEST(value, "expected");
    // KEY_READ as the Windows headers define it: an ordinary user may open HKLM so.
    QCOMPARE(registry.accessAsked, QList<std::uint32_t>{0x20019u});
    QCOMPARE(registry.opens, have > 0 ? 1 : 0);
    QCOMPARE(registry.stillOpen(), 0); // the key is closed on every way out...
    QCOMPARE(registry.badCloses, 0);   // ...and only once
}

QTEST_APPLESS_MAIN(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
