#pragma once

#include "ModelObject.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <memory>
#include <vector>

// Reads a .quillet file strictly: every key of the format is required, no other is allowed,
// and every number must be whole and within its field's range. A file is used whole or not
// at all; the first problem is reported with its place ("object 3: dObjType must be 0 to 6").
class WorkspaceReader
{
public:
    struct Result
    {
        std::vector<std::unique_ptr<ModelObject>> objects; // empty when there is a problem
        QString problem;                                   // empty when the file is usable
        bool ok() const { return problem.isEmpty(); }
    };

    static Result read(const QByteArray& bytes);
    // The "objects" value alone, as strictly, for other files that carry a workspace's objects.
    static Result readObjects(const QJsonValue& objects);
    // Also reports a missing or unreadable file.
    static Result readFile(const QString& path);
};
