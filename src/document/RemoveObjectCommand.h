#pragma once

#include <QUndoCommand>

#include <memory>

class ModelObject;
class WorkspaceDocument;

// Takes an object out and keeps it, so that undoing puts it back in its old place.
class RemoveObjectCommand : public QUndoCommand
{
public:
    RemoveObjectCommand(WorkspaceDocument* document, qsizetype position);
    ~RemoveObjectCommand() override;

    void redo() override;
    void undo() override;

private:
    WorkspaceDocument* m_document;
    qsizetype m_position;
    std::unique_ptr<ModelObject> m_object; // while it is out of the collection
};
