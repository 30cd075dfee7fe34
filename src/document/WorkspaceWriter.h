#pragma once

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
    static constexpr int version = 1;

    static QByteArray write(const QList<const ModelObject*>& objects);
    // The "objects" array alone, for other files that carry a workspace's objects.
    static QJsonArray objectsArray(const QList<const ModelObject*>& objects);
};
