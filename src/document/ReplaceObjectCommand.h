#pragma once

#include <QString>
#include <QUndoCommand>

#include <memory>

class ModelObject;
class WorkspaceDocument;

// Puts a changed copy in an object's place (an edit, a move); undo and redo swap the two.
class ReplaceObjectCommand : public QUndoCommand
{
public:
    ReplaceObjectCommand(WorkspaceDocument* document, qsizetype position, std::unique_ptr<ModelObject> object,
                         const QString& verb);
    ~ReplaceObjectCommand() override;

    void redo() override;
    void undo() override;

private:
    void swap();

    WorkspaceDocument* m_document;
    qsizetype m_position;
    std::unique_ptr<ModelObject> m_other; // the version that is not in the collection
};
