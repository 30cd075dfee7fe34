#pragma once

#include "GraphicsApi.h"

#include <QStringList>

// Lua 5.1, the Lua that Corona embeds, for running generated snippets.
namespace LuaHarness {

// Runs tests/lua/corona_stub.lua as the engine of `api` and then each chunk, in one fresh
// state. The print calls' lines, arguments joined by tabs; a failure ends the run with
// "<error> " and its message.
QStringList runWithCorona(const QStringList& chunks, GraphicsApi api = GraphicsApi::V1);

} // namespace LuaHarness
