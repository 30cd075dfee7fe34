#include "ProjectLinkCommand.h"

#include "WorkspaceDocument.h"

ProjectLinkCommand::ProjectLinkCommand(WorkspaceDocument* document, const ProjectLink& link)
    : m_document(document), m_before(document->projectLink()), m_after(link)
{
    setText(link.choice == ProjectLink::Choice::Folder ? QStringLiteral("Set Project Folder")
                                                       : QStringLiteral("Clear Project Folder"));
}

void ProjectLinkCommand::redo()
{
    m_document->setProjectLink(m_after);
}

void ProjectLinkCommand::undo()
{
    m_document->setProjectLink(m_before);
}
