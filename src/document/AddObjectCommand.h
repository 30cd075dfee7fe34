#pragma once

#include <QUndoCommand>

#include <memory>

class ModelObject;
class WorkspaceDocument;

// Appends an object; undoing takes it out again and keeps it for the redo.
class AddObjectCommand : public QUndoCommand
{
public:
    AddObjectCommand(WorkspaceDocument* document, std::unique_ptr<ModelObject> object);
    ~AddObjectCommand() override;

    void redo() override;
    void undo() override;

private:
    WorkspaceDocument* m_document;
    qsizetype m_position;
    std::unique_ptr<ModelObject> m_object; // while it is not in the collection
    bool m_done = false;
};
