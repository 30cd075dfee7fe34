#include "LuaTargets.h"

#include "Graphics1Writer.h"
#include "Graphics2Writer.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::unique_ptr<LuaTarget>>& table()
{
    static std::vector<std::unique_ptr<LuaTarget>> rows = [] {
        std::vector<std::unique_ptr<LuaTarget>> built;
        built.push_back(std::make_unique<Graphics1Writer>());
        built.push_back(std::make_unique<Graphics2Writer>());
        return built;
    }();
    return rows;
}

} // namespace

QList<const LuaTarget*> LuaTargets::all()
{
    QList<const LuaTarget*> list;
    for (const auto& row : table())
        list << row.get();
    return list;
}

const LuaTarget* LuaTargets::find(GraphicsApi api)
{
    for (const auto& row : table()) {
        if (row->api() == api)
            return row.get();
    }
    return nullptr;
}

const LuaTarget* LuaTargets::findKey(int key)
{
    return find(GraphicsApi(key));
}

const LuaTarget& LuaTargets::forCompatibility(int graphicsCompatibility)
{
    const LuaTarget* exact = nullptr;
    const LuaTarget* older = nullptr;
    const LuaTarget* current = nullptr;
    for (const auto& row : table()) {
        const int value = row->graphicsCompatibility();
        if (value == graphicsCompatibility && !exact)
            exact = row.get();
        if (value != 0 && !older)
            older = row.get();
        if (value == 0 && !current)
            current = row.get();
    }
    // Any value set asks for a compatibility mode; none asks for today's graphics.
    const LuaTarget* chosen = exact ? exact : graphicsCompatibility != 0 ? older : current;
    return chosen ? *chosen : *table().front();
}

void LuaTargets::add(std::unique_ptr<LuaTarget> target)
{
    table().push_back(std::move(target));
}

void LuaTargets::remove(GraphicsApi api)
{
    auto& rows = table();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [api](const auto& row) { return row->api() == api; }),
               rows.end());
}
