#pragma once

#include "DocumentWriter.h"

// Every snippet of the workspace in one Lua file, as Copy All puts them on the clipboard.
class LuaSnippetsFile : public DocumentWriter
{
public:
    QString actionName() const override { return QStringLiteral("actExport"); }
    QString menuText() const override { return QStringLiteral("&Export Lua..."); }
    QString dialogTitle() const override { return QStringLiteral("Export Lua"); }
    QString nameFilter() const override { return QStringLiteral("Lua files (*.lua)"); }
    QString suffix() const override { return QStringLiteral("lua"); }
    QString untitledName() const override { return QStringLiteral("snippets"); }

    SnippetCollector::Result write(const QList<const ModelObject*>& objects, const LuaTarget& target,
                                   const QString& fileName) const override;
};
