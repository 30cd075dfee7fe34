#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Lua 5.1, the Lua that Corona embeds, for checking generated snippets.
namespace LuaHarness {

// The compiler's message, or nothing when the text compiles as one chunk.
std::optional<QString> compileError(const QString& text);

struct Outcome
{
    QString error;       // empty when every chunk ran to its end
    QStringList printed; // one entry per print call, arguments joined by tabs
};

// Runs the chunks in order in one fresh state with the standard libraries, print captured.
// Chunks are separate: a snippet's locals stay invisible to the next chunk.
Outcome run(const QStringList& chunks);

// Runs the snippet and then the script after tests/lua/corona_stub.lua.
Outcome runWithCorona(const QString& snippet, const QString& script);

} // namespace LuaHarness
