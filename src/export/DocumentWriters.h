#pragma once

#include <QList>

#include <memory>

class DocumentWriter;

// The table of export formats, in the File menu's order; the first is Export Lua.
class DocumentWriters
{
public:
    static QList<const DocumentWriter*> all();
    // Nothing for a name no row has.
    static const DocumentWriter* find(const QString& actionName);

    // Adds a row at the end; the table owns it.
    static void add(std::unique_ptr<DocumentWriter> writer);
    static void remove(const QString& actionName);
};
