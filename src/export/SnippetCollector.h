#pragma once

#include "GraphicsApi.h"

#include <QList>
#include <QString>
#include <QStringList>

class ModelObject;

// Joins the snippets of many objects into one text for the clipboard or a file, and says
// what was done.
class SnippetCollector
{
public:
    struct Result
    {
        QString text; // the snippets in the tree's order, an empty line between two
        int copied = 0;
        int skipped = 0;        // objects whose snippet cannot be produced
        QStringList leftOut;    // why each object whose fields hold code was left out
        QStringList failing;    // names of the objects whose snippet Lua cannot compile
        QString wholeFileError; // Lua's words when only the joined text does not compile
        QStringList notes;      // what else the note says, as the file's writer saw it
    };

    // Displays, then alerts, then transitions, each kind in the order made.
    static Result collect(const QList<const ModelObject*>& objects, GraphicsApi api);
    // `done` ("Copied 3 snippets"), then the skipped objects and what does not compile, then
    // `extraParts`, joined by "; ".
    static QString note(const Result& result, const QString& done, const QStringList& extraParts = {});
    // "Exported 3 snippets to game.lua" and the rest of the note.
    static QString exportNote(const Result& result, const QString& fileName);
    // "1 object left out: its font is code, not a font name"; "" for no reasons.
    static QString leftOutNote(const QStringList& reasons);
    // The same for one object whose fields are code; "" for none or a sound object.
    static QString leftOutNoteFor(const ModelObject* object);
    // "Copied 3 snippets" ("No snippet to copy" for none) and the rest of the note.
    static QString confirmation(const Result& result);
};
