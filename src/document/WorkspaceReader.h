#pragma once

#include "ModelObject.h"
#include "ProjectLink.h"

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
        ProjectLink project; // the folder made absolute; Automatic when the file makes no choice
        QString projectText; // the folder as the file gives it
        bool ok() const { return problem.isEmpty(); }
    };

    // baseFolder: what a relative project folder is relative to, the file's own folder.
    static Result read(const QByteArray& bytes, const QString& baseFolder = QString());
    // The "objects" value alone, as strictly, for other files that carry a workspace's objects,
    // with the keys of the given format version.
    static Result readObjects(const QJsonValue& objects, int version);
    // Also reports a missing or unreadable file.
    static Result readFile(const QString& path);
};
