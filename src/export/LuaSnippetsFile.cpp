#include "LuaSnippetsFile.h"

#include "LuaTarget.h"

SnippetCollector::Result LuaSnippetsFile::write(const QList<const ModelObject*>& objects,
                                                const LuaTarget& target, const QString&) const
{
    return SnippetCollector::collect(objects, target.api());
}
