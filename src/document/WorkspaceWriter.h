#pragma once

#include "ProjectLink.h"

#include <QByteArray>
#include <QJsonArray>
#include <QList>

class ModelObject;

// Turns the workspace's objects into the bytes of a .quillet file: indented UTF-8 JSON,
// the objects in collection order. docs/FORMAT.md describes the layout.
class WorkspaceWriter
{
public:
    static constexpr const char* format = "quillet-workspace";
    // The newest version. A workspace is written in the lowest that holds it: 1 without a
    // project choice, 2 with one, 3 for objects that need it (FormatVersion).
    static constexpr int version = 3;

    // filePath: where the bytes go, which the project folder's path is relative to.
    static QByteArray write(const QList<const ModelObject*>& objects, const ProjectLink& project = {},
                            const QString& filePath = QString());
    // The folder as the file keeps it: relative to the file's folder with "/", or absolute
    // when no relative path exists.
    static QString projectPath(const QString& folder, const QString& filePath);
    // The "objects" array alone, for other files that carry a workspace's objects, with the
    // keys of the given format version.
    static QJsonArray objectsArray(const QList<const ModelObject*>& objects, int version);
};
