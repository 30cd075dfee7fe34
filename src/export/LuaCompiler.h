#pragma once

#include <QString>

#include <optional>

// Compiles Lua 5.1 text without running it, to tell whether a snippet is valid Lua.
class LuaCompiler
{
public:
    struct Error
    {
        int line = 0;    // 1-based; 0 when Lua names no line
        QString message; // Lua's own words, without the chunk name and line
    };

    // Nothing when the text compiles.
    static std::optional<Error> compile(const QString& text);
};
