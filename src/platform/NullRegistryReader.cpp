#include "NullRegistryReader.h"

std::optional<RegistryReader::Handle> NullRegistryReader::open(std::uint32_t, const QString&, std::uint32_t)
{
    return std::nullopt;
}

std::optional<RegistryReader::Value> NullRegistryReader::query(Handle, const QString&, int)
{
    return std::nullopt;
}

void NullRegistryReader::close(Handle) {}
