#include "Win32RegistryReader.h"

#ifdef Q_OS_WIN

#include <qt_windows.h>

static_assert(RegistryReader::KEY_READ_ == KEY_READ);

namespace {
// The predefined roots are 32-bit values sign-extended to a handle, as the SDK defines them.
HKEY rootKey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY toKey(RegistryReader::Handle key)
{
    return reinterpret_cast<HKEY>(key);
}
} // namespace

std::optional<RegistryReader::Handle> Win32RegistryReader::open(std::uint32_t root, const QString& keyPath,
                                                                std::uint32_t access)
{
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExW(rootKey(root), reinterpret_cast<LPCWSTR>(keyPath.utf16()), 0,
                                  static_cast<REGSAM>(access), &key);
    if (rc != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<Handle>(key);
}

std::optional<RegistryReader::Value> Win32RegistryReader::query(Handle key, const QString& valueName,
                                                                int bufferSize)
{
    QByteArray buffer(bufferSize, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(bufferSize);
    const LONG rc = RegQueryValueExW(toKey(key), reinterpret_cast<LPCWSTR>(valueName.utf16()), nullptr, &type,
                                     reinterpret_cast<LPBYTE>(buffer.data()), &size);
    if (rc != ERROR_SUCCESS)
        return std::nullopt;
    buffer.truncate(static_cast<qsizetype>(size));
    return Value{static_cast<std::uint32_t>(type), buffer};
}

void Win32RegistryReader::close(Handle key)
{
    RegCloseKey(toKey(key));
}

#endif
