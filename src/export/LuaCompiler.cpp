#include "LuaCompiler.h"

#include <QByteArray>
#include <QRegularExpression>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include <memory>

std::optional<LuaCompiler::Error> LuaCompiler::compile(const QString& text)
{
    std::unique_ptr<lua_State, decltype(&lua_close)> L(luaL_newstate(), &lua_close);
    if (!L)
        return Error{0, QStringLiteral("not enough memory")};
    const QByteArray bytes = text.toUtf8();
    // "=" makes Lua use the name as it stands, so the message reads "snippet:6: ...".
    if (luaL_loadbuffer(L.get(), bytes.constData(), size_t(bytes.size()), "=snippet") == 0)
        return std::nullopt;
    const QString raw = QString::fromUtf8(lua_tostring(L.get(), -1));
    static const QRegularExpression located(QStringLiteral("^snippet:(\\d+): (.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = located.match(raw);
    if (m.hasMatch())
        return Error{m.captured(1).toInt(), m.captured(2)};
    return Error{0, raw};
}
