#pragma once

#include "DocumentWriter.h"

// A Composer scene module: the workspace's objects made in scene:create inside the scene's
// view, its transitions started when the scene shows and cancelled when it hides, and its
// alerts as functions to call.
class SceneFile : public DocumentWriter
{
public:
    QString actionName() const override { return QStringLiteral("actExportScene"); }
    QString menuText() const override { return QStringLiteral("Export &Scene..."); }
    QString dialogTitle() const override { return QStringLiteral("Export Scene"); }
    QString nameFilter() const override { return QStringLiteral("Lua files (*.lua)"); }
    QString suffix() const override { return QStringLiteral("lua"); }
    QString untitledName() const override { return QStringLiteral("scene"); }

    SnippetCollector::Result write(const QList<const ModelObject*>& objects, const LuaTarget& target,
                                   const QString& fileName) const override;

    // Past this many locals a function's texts go into parts, each text in a block of its own:
    // Lua 5.1 allows 200 active locals and 32,767 declared ones in a function.
    static constexpr int smallLocals = 150;
    static constexpr int partSize = 1000;
    // Past this many alerts their handles go into parts too: Lua allows a function 60 upvalues.
    static constexpr int namedAlerts = 50;
};
