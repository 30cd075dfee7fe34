#include "ReplaceObjectCommand.h"

#include "WorkspaceDocument.h"

ReplaceObjectCommand::ReplaceObjectCommand(WorkspaceDocument* document, qsizetype position,
                                           std::unique_ptr<ModelObject> object, const QString& verb)
    : m_document(document), m_position(position), m_other(std::move(object))
{
    // Named as the user knew the object when they chose the step, also when it renames it.
    const ModelObject* current = document->objects().at(position);
    setText(WorkspaceDocument::stepText(verb, current ? current->varName() : m_other->varName()));
}

ReplaceObjectCommand::~ReplaceObjectCommand() = default;

void ReplaceObjectCommand::redo()
{
    swap();
}

void ReplaceObjectCommand::undo()
{
    swap();
}

void ReplaceObjectCommand::swap()
{
    m_other = m_document->swapObject(m_position, std::move(m_other));
    emit m_document->selectRequested(m_position);
}
