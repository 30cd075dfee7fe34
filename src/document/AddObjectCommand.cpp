#include "AddObjectCommand.h"

#include "WorkspaceDocument.h"

AddObjectCommand::AddObjectCommand(WorkspaceDocument* document, std::unique_ptr<ModelObject> object)
    : m_document(document), m_position(document->objects().count() + 1), m_object(std::move(object))
{
    setText(WorkspaceDocument::stepText(QStringLiteral("Add"), m_object->varName()));
}

AddObjectCommand::~AddObjectCommand() = default;

void AddObjectCommand::redo()
{
    m_document->insertObject(m_position, std::move(m_object));
    // The first time the editor is still open; its command decides what is selected after.
    if (m_done)
        emit m_document->selectRequested(m_position);
    m_done = true;
}

void AddObjectCommand::undo()
{
    m_object = m_document->takeObject(m_position);
    emit m_document->selectRequested(0);
}
