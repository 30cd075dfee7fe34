#pragma once

#include "ModelObject.h"
#include "ProjectLink.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// What a recovery copy keeps of a workspace that holds changes no file has: the objects as
// the workspace file holds them, the file the workspace belongs to, its modified mark and its
// project folder. docs/FORMAT.md describes the layout; reading is as strict as for a
// workspace file.
class RecoveryCopy
{
public:
    static constexpr const char* format = "quillet-recovery";
    // The newest version: 2 carries objects with the keys of workspace version 3. A copy is
    // written in the lowest version that holds it, as workspace files are.
    static constexpr int version = 2;

    std::vector<std::unique_ptr<ModelObject>> objects;
    QString fileName; // absolute; empty while the workspace belongs to no file
    bool modified = false;
    ProjectLink project;
    // Written as the window closed (a hot exit), not while it was still working.
    bool closed = false;

    QByteArray write() const;
    static QByteArray write(const QList<const ModelObject*>& objects, const QString& fileName, bool modified,
                            const ProjectLink& project, bool closed);

    struct Result
    {
        std::unique_ptr<RecoveryCopy> copy; // null when there is a problem
        QString problem;
        bool ok() const { return problem.isEmpty(); }
    };
    static Result read(const QByteArray& bytes);
};
