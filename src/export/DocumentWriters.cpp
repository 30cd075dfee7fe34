#include "DocumentWriters.h"

#include "LuaSnippetsFile.h"
#include "SceneFile.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::unique_ptr<DocumentWriter>>& table()
{
    static std::vector<std::unique_ptr<DocumentWriter>> rows = [] {
        std::vector<std::unique_ptr<DocumentWriter>> built;
        built.push_back(std::make_unique<LuaSnippetsFile>());
        built.push_back(std::make_unique<SceneFile>());
        return built;
    }();
    return rows;
}

} // namespace

QList<const DocumentWriter*> DocumentWriters::all()
{
    QList<const DocumentWriter*> list;
    for (const auto& row : table())
        list << row.get();
    return list;
}

const DocumentWriter* DocumentWriters::find(const QString& actionName)
{
    for (const auto& row : table()) {
        if (row->actionName() == actionName)
            return row.get();
    }
    return nullptr;
}

void DocumentWriters::add(std::unique_ptr<DocumentWriter> writer)
{
    table().push_back(std::move(writer));
}

void DocumentWriters::remove(const QString& actionName)
{
    auto& rows = table();
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](const auto& row) { return row->actionName() == actionName; }),
               rows.end());
}
