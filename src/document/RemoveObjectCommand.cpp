#include "RemoveObjectCommand.h"

#include "WorkspaceDocument.h"

RemoveObjectCommand::RemoveObjectCommand(WorkspaceDocument* document, qsizetype position)
    : m_document(document), m_position(position)
{
    setText(
        WorkspaceDocument::stepText(QStringLiteral("Delete"), document->objects().at(position)->varName()));
}

RemoveObjectCommand::~RemoveObjectCommand() = default;

void RemoveObjectCommand::redo()
{
    m_object = m_document->takeObject(m_position);
    emit m_document->selectRequested(0);
}

void RemoveObjectCommand::undo()
{
    m_document->insertObject(m_position, std::move(m_object));
    emit m_document->selectRequested(m_position);
}
