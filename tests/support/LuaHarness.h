#pragma once

#include <QStringList>

// Lua 5.1, the Lua that Corona embeds, for running generated snippets.
namespace LuaHarness {

// Runs tests/lua/corona_stub.lua and then each chunk, in one fresh state. The print calls'
// lines, arguments joined by tabs; a failure ends the run with "<error> " and its message.
QStringList runWithCorona(const QStringList& chunks);

} // namespace LuaHarness
