#pragma once

#include "GraphicsApi.h"

#include <QList>
#include <QString>

class ModelObject;

// Joins the snippets of many objects into one text for the clipboard.
class SnippetCollector
{
public:
    struct Result
    {
        QString text; // the snippets in order, an empty line between two
        int copied = 0;
        int skipped = 0; // objects whose snippet cannot be produced
    };

    static Result collect(const QList<const ModelObject*>& objects, GraphicsApi api);
    // "Copied 3 snippets" ("No snippet to copy" for none), with the skipped ones counted.
    static QString confirmation(const Result& result);
};
