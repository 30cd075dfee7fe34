#include "MemoryRegistryReader.h"
#include "RegistryReader.h"

#include <QtTest>

namespace {
const std::uint32_t root = RegistryReader::HKEY_LOCAL_MACHINE_;
const QString keyPath = QStringLiteral("SOFTWARE\\Quillet Test");
const QString valueName = QStringLiteral("Value");

QByteArray utf16(const QString& text)
{
    return MemoryRegistryReader::utf16Bytes(text);
}

QByteArray dword(std::uint32_t number)
{
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data.append(char((number >> (8 * i)) & 0xFF));
    return data;
}
} // namespace

class tst_GetKeyValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void nothingFoundWithoutRegistry();
};

void tst_GetKeyValue::read_data()
{
    QTest::addColumn<bool>("hasKey");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("expectedRead");
    QTest::addColumn<QString>("expected");

    const uint sz = RegistryReader::REG_SZ_;
    const uint number = RegistryReader::REG_DWORD_;
    const QString path = QStringLiteral("C:\\Program Files\\Tool\\tool.exe");
    const QString full(512, u'x');
    const QString nul(1, QChar(u'\0'));
    const QString before = QStringLiteral("before");

    QTest::newRow("string ending in NUL") << true << true << sz << utf16(path + nul) << true << path;
    QTest::newRow("string without NUL") << true << true << sz << utf16(path) << true << path;
    QTest::newRow("only the last NUL dropped")
        << true << true << sz << utf16("ab" + nul + nul) << true << QString("ab" + nul);
    QTest::newRow("empty string") << true << true << sz << QByteArray() << true << QString();
    QTest::newRow("buffer filled without NUL") << true << true << sz << utf16(full) << true << full;
    QTest::newRow("buffer filled with NUL")
        << true << true << sz << utf16(full.left(511) + nul) << true << full.left(511);
    QTest::newRow("larger than the buffer") << true << true << sz << utf16(full + u'y') << false << QString();
    QTest::newRow("number 5") << true << true << number << dword(5) << true << "5";
    QTest::newRow("number 256") << true << true << number << dword(256) << true << "256";
    QTest::newRow("number 0") << true << true << number << dword(0) << true << "0";
    QTest::newRow("largest number") << true << true << number << dword(0xFFFFFFFFu) << true << "4294967295";
    QTest::newRow("expandable string") << true << true << 2u << utf16(path + nul) << true << before;
    QTest::newRow("binary") << true << true << 3u << QByteArray("\x01\x02", 2) << true << before;
    QTest::newRow("no such key") << false << false << sz << QByteArray() << false << QString();
    QTest::newRow("no such value") << true << false << sz << QByteArray() << false << QString();
}

void tst_GetKeyValue::read()
{
    QFETCH(bool, hasKey);
    QFETCH(bool, hasValue);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, expectedRead);
    QFETCH(QString, expected);

    MemoryRegistryReader registry;
    if (hasKey)
        registry.addKey(root, keyPath);
    if (hasValue)
        registry.setValue(root, keyPath, valueName, type, data);

    QString value = QStringLiteral("before");
    QCOMPARE(GetKeyValue(root, keyPath, valueName, &value), expectedRead);
    QCOMPARE(value, expected);

    QCOMPARE(registry.accessRequested(), QList<std::uint32_t>{RegistryReader::KEY_ALL_ACCESS_});
    QCOMPARE(registry.openCount(), hasKey ? 1 : 0);
    QCOMPARE(registry.closeCount(), registry.openCount());
    QCOMPARE(registry.stillOpen(), 0);
    QCOMPARE(registry.badCloses(), 0);
}

void tst_GetKeyValue::nothingFoundWithoutRegistry()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has a registry");
#else
    RegistryReader::setInstance(nullptr);
    QString value = QStringLiteral("before");
    QVERIFY(!GetKeyValue(RegistryReader::HKEY_LOCAL_MACHINE_,
                         QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
                         &value));
    QCOMPARE(value, QString());
#endif
}

QTEST_APPLESS_MAIN(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
