#include "RegistryReader.h"

#include "NullRegistryReader.h"
#include "Win32RegistryReader.h"

namespace {
RegistryReader* g_installed = nullptr;

constexpr int bufferSize = 1024;

// Registry text arrives as UTF-16 in little-endian order; an odd last byte is no character.
QString textOf(const QByteArray& data)
{
    QString text;
    text.reserve(data.size() / 2);
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const auto low = static_cast<unsigned char>(data[i]);
        const auto high = static_cast<unsigned char>(data[i + 1]);
        text.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    return text;
}

// A DWORD is stored little-endian; anything shorter than four bytes is read as far as it goes.
std::uint32_t numberOf(const QByteArray& data)
{
    std::uint32_t number = 0;
    for (qsizetype i = qMin<qsizetype>(data.size(), 4) - 1; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(data[i]);
    return number;
}

// Closes an opened key on every way out of the lookup.
class KeyCloser
{
public:
    KeyCloser(RegistryReader* reader, RegistryReader::Handle key) : m_reader(reader), m_key(key) {}
    ~KeyCloser() { m_reader->close(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    RegistryReader* m_reader;
    RegistryReader::Handle m_key;
};
} // namespace

RegistryReader* RegistryReader::system()
{
#ifdef Q_OS_WIN
    static Win32RegistryReader reader;
#else
    static NullRegistryReader reader;
#endif
    return &reader;
}

RegistryReader* RegistryReader::instance()
{
    return g_installed ? g_installed : system();
}

void RegistryReader::setInstance(RegistryReader* reader)
{
    g_installed = reader;
}

bool GetKeyValue(std::uint32_t root, const QString& keyPath, const QString& valueName, QString* value)
{
    RegistryReader* reader = RegistryReader::instance();
    const std::optional<RegistryReader::Handle> key = reader->open(root, keyPath, RegistryReader::KEY_READ_);
    if (!key) {
        *value = QString();
        return false;
    }
    const KeyCloser closer(reader, *key);

    const std::optional<RegistryReader::Value> read = reader->query(*key, valueName, bufferSize);
    if (!read) {
        *value = QString();
        return false;
    }

    switch (read->type) {
    case RegistryReader::REG_SZ_: {
        QString text = textOf(read->data);
        if (text.endsWith(QChar(u'\0')))
            text.chop(1);
        *value = text;
        break;
    }
    case RegistryReader::REG_DWORD_:
        *value = QString::number(numberOf(read->data));
        break;
    default:
        break; // other kinds of value are not ours to read
    }
    return true;
}
