#pragma once

#include "RegistryReader.h"

// A registry without keys, for systems that have none: every open fails.
class NullRegistryReader : public RegistryReader
{
public:
    std::optional<Handle> open(std::uint32_t root, const QString& keyPath, std::uint32_t access) override;
    std::optional<Value> query(Handle key, const QString& valueName, int bufferSize) override;
    void close(Handle key) override;
};
