#include "LuaHarness.h"

#include <QFile>

#include <lua.hpp>

#include <memory>

namespace LuaHarness {
namespace {

using State = std::unique_ptr<lua_State, decltype(&lua_close)>;

int capturePrint(lua_State* L)
{
    auto* printed = static_cast<QStringList*>(lua_touserdata(L, lua_upvalueindex(1)));
    const int count = lua_gettop(L);
    QStringList parts;
    lua_getglobal(L, "tostring");
    for (int i = 1; i <= count; ++i) {
        lua_pushvalue(L, -1);
        lua_pushvalue(L, i);
        lua_call(L, 1, 1);
        parts.append(QString::fromUtf8(lua_tostring(L, -1)));
        lua_pop(L, 1);
    }
    printed->append(parts.join(QLatin1Char('\t')));
    return 0;
}

} // namespace

std::optional<QString> compileError(const QString& text)
{
    State L(luaL_newstate(), &lua_close);
    const QByteArray bytes = text.toUtf8();
    if (luaL_loadbuffer(L.get(), bytes.constData(), size_t(bytes.size()), "=snippet") == 0)
        return std::nullopt;
    return QString::fromUtf8(lua_tostring(L.get(), -1));
}

Outcome run(const QStringList& chunks)
{
    Outcome outcome;
    State L(luaL_newstate(), &lua_close);
    luaL_openlibs(L.get());
    lua_pushlightuserdata(L.get(), &outcome.printed);
    lua_pushcclosure(L.get(), capturePrint, 1);
    lua_setglobal(L.get(), "print");
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const QByteArray bytes = chunks.at(i).toUtf8();
        const QByteArray name = "=chunk" + QByteArray::number(i + 1);
        if (luaL_loadbuffer(L.get(), bytes.constData(), size_t(bytes.size()), name.constData()) != 0 ||
            lua_pcall(L.get(), 0, 0, 0) != 0) {
            outcome.error = QString::fromUtf8(lua_tostring(L.get(), -1));
            break;
        }
    }
    return outcome;
}

Outcome runWithCorona(const QString& snippet, const QString& script)
{
    QFile stub(QStringLiteral(QUILLET_TEST_LUA_DIR "/corona_stub.lua"));
    if (!stub.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + stub.fileName(), {}};
    return run({QString::fromUtf8(stub.readAll()), snippet, script});
}

} // namespace LuaHarness
