#pragma once

#include <QMenu>

class QUndoStack;
class WorkspaceToolbar;

// The Edit menu: undo and redo of the workspace's steps, Edit Object, and entries for the
// toolbar's Delete and Copy.
class EditMenu : public QMenu
{
    Q_OBJECT
public:
    EditMenu(QUndoStack* steps, const WorkspaceToolbar* toolbar, QWidget* parent);

    QAction* editAction() const { return actEdit; }
    QAction* deleteAction() const { return actDeleteObject; }
    // The workspace's undo and redo keys act while this view or a child of it has the focus;
    // elsewhere (the code pane) the keys stay the widget's own.
    void addWorkspaceShortcuts(QWidget* view);
    // Edit Object and Delete Object act from the tree, as do undo and redo.
    void addTreeShortcuts(QWidget* tree);

private:
    // A menu entry for a toolbar button: it triggers the button, is enabled with it and takes
    // over its key.
    QAction* addButtonEntry(QAction* button, const char* name, const QString& text);

    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QAction* actEdit = nullptr;
    QAction* actDeleteObject = nullptr;
};
