#pragma once

#include "RegistryReader.h"

#include <QHash>
#include <QStringList>

// An in-memory registry for tests. While it lives it is RegistryReader::instance(); its
// destructor puts the system's reader back. Values are kept as Windows delivers them (strings
// as UTF-16LE bytes), keys and value names are matched without regard to case, and a value
// larger than the reader's buffer fails to read, as it does on Windows. Every open and close
// is counted so that tests can see that no key is left open.
class MemoryRegistryReader : public RegistryReader
{
public:
    MemoryRegistryReader();
    ~MemoryRegistryReader() override;
    MemoryRegistryReader(const MemoryRegistryReader&) = delete;
    MemoryRegistryReader& operator=(const MemoryRegistryReader&) = delete;

    // A key without values (opening it works, every query fails).
    void addKey(std::uint32_t root, const QString& keyPath);
    // Adds the key as needed and stores the value's raw bytes.
    void setValue(std::uint32_t root, const QString& keyPath, const QString& valueName, std::uint32_t type,
                  const QByteArray& data);
    // A REG_SZ value, with the terminating NUL stored unless withNul is false.
    void setString(std::uint32_t root, const QString& keyPath, const QString& valueName, const QString& text,
                   bool withNul = true);
    // A REG_DWORD value.
    void setDword(std::uint32_t root, const QString& keyPath, const QString& valueName, std::uint32_t number);

    static QByteArray utf16Bytes(const QString& text);

    std::optional<Handle> open(std::uint32_t root, const QString& keyPath, std::uint32_t access) override;
    std::optional<Value> query(Handle key, const QString& valueName, int bufferSize) override;
    void close(Handle key) override;

    int openCount() const { return m_opens; }     // successful opens
    int closeCount() const { return m_closes; }   // closes of an open key
    int badCloses() const { return m_badCloses; } // closes of a handle that was not open
    int stillOpen() const { return int(m_open.size()); }
    QList<std::uint32_t> accessRequested() const { return m_access; } // per open call, failed ones too
    QStringList keysAskedFor() const { return m_asked; }              // key path per open call, as given

private:
    static QString keyId(std::uint32_t root, const QString& keyPath);

    QHash<QString, QHash<QString, Value>> m_keys; // key id -> lower-case value name -> value
    QHash<Handle, QString> m_open;
    Handle m_nextHandle = 0x100;
    int m_opens = 0;
    int m_closes = 0;
    int m_badCloses = 0;
    QList<std::uint32_t> m_access;
    QStringList m_asked;
};
