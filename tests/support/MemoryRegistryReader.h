#pragma once

#include "RegistryReader.h"

#include <QHash>
#include <QStringEncoder>
#include <QStringList>

// An in-memory HKEY_LOCAL_MACHINE; while it lives it is RegistryReader::instance(). Names match
// without regard to case and a value larger than the reader's buffer fails, as on Windows.
// It grants what Windows grants an ordinary user there: asking for any write right fails.
class MemoryRegistryReader : public RegistryReader
{
public:
    // KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK, DELETE, WRITE_DAC and WRITE_OWNER.
    static constexpr std::uint32_t writeRights = 0x2u | 0x4u | 0x20u | 0x10000u | 0x40000u | 0x80000u;

    MemoryRegistryReader() { setInstance(this); }
    ~MemoryRegistryReader() override { setInstance(nullptr); }

    void addKey(const QString& keyPath) { m_keys[keyPath.toLower()]; }
    void setValue(const QString& keyPath, const QString& name, std::uint32_t type, const QByteArray& data)
    {
        m_keys[keyPath.toLower()].insert(name.toLower(), Value{type, data});
    }
    // Strings are stored as Windows delivers them: UTF-16LE, NUL included only if in text.
    static QByteArray utf16(const QString& text)
    {
        return QStringEncoder(QStringEncoder::Utf16LE).encode(text);
    }

    std::optional<Handle> open(std::uint32_t root, const QString& keyPath, std::uint32_t access) override
    {
        accessAsked << access;
        if (access & writeRights)
            return std::nullopt;
        if (root != HKEY_LOCAL_MACHINE_ || !m_keys.contains(keyPath.toLower()))
            return std::nullopt;
        ++opens;
        m_open.insert(++m_lastHandle, keyPath.toLower());
        return m_lastHandle;
    }
    std::optional<Value> query(Handle key, const QString& name, int bufferSize) override
    {
        const QHash<QString, Value> values = m_keys.value(m_open.value(key, QStringLiteral("<closed>")));
        const auto value = values.constFind(name.toLower());
        if (value == values.constEnd() || value->data.size() > bufferSize)
            return std::nullopt;
        return *value;
    }
    void close(Handle key) override { badCloses += m_open.remove(key) ? 0 : 1; }

    int stillOpen() const { return int(m_open.size()); }
    QList<std::uint32_t> accessAsked; // per open call, failed ones too
    int opens = 0;
    int badCloses = 0; // closes of a handle that was not open

private:
    QHash<QString, QHash<QString, Value>> m_keys; // lower-case path -> lower-case name -> value
    QHash<Handle, QString> m_open;
    Handle m_lastHandle = 0;
};
