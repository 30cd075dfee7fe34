#pragma once

#include "ProjectLink.h"

#include <QUndoCommand>

class WorkspaceDocument;

// Ties the workspace to a game folder, or explicitly to none: "Set Project Folder",
// "Clear Project Folder".
class ProjectLinkCommand : public QUndoCommand
{
public:
    ProjectLinkCommand(WorkspaceDocument* document, const ProjectLink& link);

    void redo() override;
    void undo() override;

private:
    WorkspaceDocument* m_document;
    ProjectLink m_before;
    ProjectLink m_after;
};
