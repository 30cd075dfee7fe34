#pragma once

#include <QString>

// Which game folder a workspace belongs to, as the user chose it.
struct ProjectLink
{
    enum class Choice
    {
        Automatic, // no choice made: the folder is found from the workspace file's place
        None,      // explicitly tied to no folder
        Folder     // explicitly tied to `folder`
    };
    Choice choice = Choice::Automatic;
    QString folder; // absolute path, with Choice::Folder only

    bool operator==(const ProjectLink&) const = default;
};
