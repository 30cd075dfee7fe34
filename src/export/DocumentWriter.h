#pragma once

#include "SnippetCollector.h"

#include <QList>
#include <QString>

class LuaTarget;
class ModelObject;

// One kind of file the workspace exports to. The File menu lists every writer of
// DocumentWriters; a new format is one more class and one more row there.
class DocumentWriter
{
public:
    virtual ~DocumentWriter() = default;

    virtual QString actionName() const = 0;  // the File menu entry's objectName
    virtual QString menuText() const = 0;    // "Export Lua..."
    virtual QString dialogTitle() const = 0; // the save dialog's caption
    virtual QString nameFilter() const = 0;  // "Lua files (*.lua)"
    virtual QString suffix() const = 0;      // without the dot
    // The suggested file name, without suffix, for a workspace that belongs to no file.
    virtual QString untitledName() const = 0;

    // The file's text for these objects, with what went into it; fileName is where it goes
    // (a scene takes its name from it).
    virtual SnippetCollector::Result write(const QList<const ModelObject*>& objects, const LuaTarget& target,
                                           const QString& fileName) const = 0;
};
