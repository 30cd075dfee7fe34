#pragma once

#include "PictureChecks.h"

#include <QList>
#include <QString>

class ModelObject;
class ObjectCollection;
class PictureLibrary;
class QTreeWidget;

// The picture checks where the workspace shows them: the tree's icons and tool tips, and the
// count of missing pictures in the notes of Copy All Snippets and Export Lua.
class PictureMarks
{
public:
    // The file problems of an image; none for other objects or without a project folder.
    static QList<PictureChecks::Problem> problemsOf(const ModelObject& object, PictureLibrary* library);
    // Gives each object node with a problem the style's error or warning icon, its messages as
    // tool tip, and takes them from the others.
    static void apply(QTreeWidget* tree, const ObjectCollection& objects, PictureLibrary* library);
    static int missingCount(const QList<const ModelObject*>& objects, PictureLibrary* library);
    // "; 2 objects name pictures that are not in the project"; empty for none.
    static QString missingNote(int count);
    // The note for the objects' missing pictures, as Copy All Snippets and Export Lua end with.
    static QString missingNote(const QList<const ModelObject*>& objects, PictureLibrary* library);
};
