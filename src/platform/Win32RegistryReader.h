#pragma once

#include "RegistryReader.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

// The Windows registry through the wide-character Win32 calls.
class Win32RegistryReader : public RegistryReader
{
public:
    std::optional<Handle> open(std::uint32_t root, const QString& keyPath, std::uint32_t access) override;
    std::optional<Value> query(Handle key, const QString& valueName, int bufferSize) override;
    void close(Handle key) override;
};

#endif
