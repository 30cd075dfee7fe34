#include "MemoryRegistryReader.h"

MemoryRegistryReader::MemoryRegistryReader()
{
    RegistryReader::setInstance(this);
}

MemoryRegistryReader::~MemoryRegistryReader()
{
    RegistryReader::setInstance(nullptr);
}

QString MemoryRegistryReader::keyId(std::uint32_t root, const QString& keyPath)
{
    return QString::number(root, 16) + u'\\' + keyPath.toLower();
}

void MemoryRegistryReader::addKey(std::uint32_t root, const QString& keyPath)
{
    m_keys[keyId(root, keyPath)];
}

void MemoryRegistryReader::setValue(std::uint32_t root, const QString& keyPath, const QString& valueName,
                                    std::uint32_t type, const QByteArray& data)
{
    m_keys[keyId(root, keyPath)].insert(valueName.toLower(), Value{type, data});
}

void MemoryRegistryReader::setString(std::uint32_t root, const QString& keyPath, const QString& valueName,
                                     const QString& text, bool withNul)
{
    setValue(root, keyPath, valueName, REG_SZ_, utf16Bytes(withNul ? text + QChar(u'\0') : text));
}

void MemoryRegistryReader::setDword(std::uint32_t root, const QString& keyPath, const QString& valueName,
                                    std::uint32_t number)
{
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data.append(char((number >> (8 * i)) & 0xFF));
    setValue(root, keyPath, valueName, REG_DWORD_, data);
}

QByteArray MemoryRegistryReader::utf16Bytes(const QString& text)
{
    QByteArray data;
    for (const QChar c : text) {
        data.append(char(c.unicode() & 0xFF));
        data.append(char(c.unicode() >> 8));
    }
    return data;
}

std::optional<RegistryReader::Handle> MemoryRegistryReader::open(std::uint32_t root, const QString& keyPath,
                                                                 std::uint32_t access)
{
    m_access.append(access);
    m_asked.append(keyPath);
    const QString id = keyId(root, keyPath);
    if (!m_keys.contains(id))
        return std::nullopt;
    const Handle handle = m_nextHandle++;
    m_open.insert(handle, id);
    ++m_opens;
    return handle;
}

std::optional<RegistryReader::Value> MemoryRegistryReader::query(Handle key, const QString& valueName,
                                                                 int bufferSize)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.constEnd())
        return std::nullopt;
    const auto& values = m_keys.value(*open);
    const auto value = values.constFind(valueName.toLower());
    if (value == values.constEnd() || value->data.size() > bufferSize)
        return std::nullopt;
    return *value;
}

void MemoryRegistryReader::close(Handle key)
{
    if (m_open.remove(key))
        ++m_closes;
    else
        ++m_badCloses;
}
