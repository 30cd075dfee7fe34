#include "LuaHarness.h"

#include <QFile>

#include <lua.hpp>

#include <memory>

namespace LuaHarness {

static int capturePrint(lua_State* L)
{
    QStringList parts;
    for (int i = 1, count = lua_gettop(L); i <= count; ++i) {
        lua_getglobal(L, "tostring");
        lua_pushvalue(L, i);
        lua_call(L, 1, 1);
        parts.append(QString::fromUtf8(lua_tostring(L, -1)));
        lua_pop(L, 1);
    }
    static_cast<QStringList*>(lua_touserdata(L, lua_upvalueindex(1)))->append(parts.join('\t'));
    return 0;
}

QStringList runWithCorona(const QStringList& chunks, GraphicsApi api)
{
    QFile stub(QStringLiteral(QUILLET_TEST_LUA_DIR "/corona_stub.lua"));
    if (!stub.open(QIODevice::ReadOnly))
        return {QStringLiteral("<error> cannot read ") + stub.fileName()};
    QStringList printed;
    std::unique_ptr<lua_State, decltype(&lua_close)> state(luaL_newstate(), &lua_close);
    lua_State* L = state.get();
    luaL_openlibs(L);
    lua_pushlightuserdata(L, &printed);
    lua_pushcclosure(L, capturePrint, 1);
    lua_setglobal(L, "print");
    lua_pushinteger(L, api == GraphicsApi::V1 ? 1 : 2);
    lua_setglobal(L, "coronaGraphics");
    // Separate chunks, so a snippet's locals stay invisible to the script that follows it.
    for (const QString& chunk : QStringList{QString::fromUtf8(stub.readAll())} + chunks) {
        const QByteArray bytes = chunk.toUtf8();
        if (luaL_loadbuffer(L, bytes.constData(), size_t(bytes.size()), "=chunk") != 0 ||
            lua_pcall(L, 0, 0, 0) != 0)
            return printed << QStringLiteral("<error> ") + QString::fromUtf8(lua_tostring(L, -1));
    }
    return printed;
}

} // namespace LuaHarness
