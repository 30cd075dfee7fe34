#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// Read access to the Windows registry, behind an interface so that other systems
// (where nothing is found) and tests (an in-memory registry) can stand in.
class RegistryReader
{
public:
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE_ = 0x80000002u;
    // Read rights only: under HKEY_LOCAL_MACHINE an ordinary user gets no more.
    static constexpr std::uint32_t KEY_READ_ = 0x20019u;
    static constexpr std::uint32_t REG_SZ_ = 1;
    static constexpr std::uint32_t REG_DWORD_ = 4;

    struct Value
    {
        std::uint32_t type = 0;
        QByteArray data; // at most the buffer's size, as the system delivered it
    };
    using Handle = std::uintptr_t;

    virtual ~RegistryReader() = default;
    virtual std::optional<Handle> open(std::uint32_t root, const QString& keyPath, std::uint32_t access) = 0;
    // Fails, as Windows does, when the value is missing or does not fit in bufferSize bytes.
    virtual std::optional<Value> query(Handle key, const QString& valueName, int bufferSize) = 0;
    virtual void close(Handle key) = 0;

    // The Win32 registry on Windows; a registry with no keys elsewhere.
    static RegistryReader* system();
    static RegistryReader* instance();
    static void setInstance(RegistryReader* reader); // nullptr restores system(); not owned
};

// Reads one value through RegistryReader::instance(): true when read, with a string as it is
// (one trailing NUL dropped) or a DWORD as decimal text in *value, while a value of another kind
// leaves *value as it was; false leaves "" there. The key is closed again in every case.
bool GetKeyValue(std::uint32_t root, const QString& keyPath, const QString& valueName, QString* value);
