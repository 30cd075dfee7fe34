#pragma once

#include <QObject>

class StageDock;
class WorkspaceDocument;
class WorkspaceFiles;
class WorkspaceTree;

// Keeps the stage in step with the workspace: the objects it draws and the one selected, the
// moves dragged on it, and the game folder it shows.
class StageLink : public QObject
{
    Q_OBJECT
public:
    StageLink(StageDock* dock, WorkspaceDocument* document, WorkspaceFiles* files, WorkspaceTree* tree,
              QObject* parent);

private:
    void updateStage();
    void stage_MoveRequested(qsizetype position, qint32 newX, qint32 newY);
    // Ties the stage to the workspace's game folder, once the document's change is complete;
    // again: after an open, when even the same folder is tied anew.
    void updateProject(bool again = false);

    StageDock* m_dock;
    WorkspaceDocument* m_document;
    WorkspaceTree* m_tree;
};
