#include "EditMenu.h"

#include "WorkspaceToolbar.h"

#include <QUndoStack>

EditMenu::EditMenu(QUndoStack* steps, const WorkspaceToolbar* toolbar, QWidget* parent)
    : QMenu(QStringLiteral("&Edit"), parent)
{
    setObjectName(QStringLiteral("mnuEditMenu"));
    // Their texts name the step: "Undo Delete hero".
    actUndo = steps->createUndoAction(this);
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcuts(QKeySequence::Undo);
    actRedo = steps->createRedoAction(this);
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts(QKeySequence::Redo);
    addAction(actUndo);
    addAction(actRedo);
    addSeparator();
    actEdit = addAction(QStringLiteral("Edit &Object"));
    actEdit->setObjectName(QStringLiteral("actEdit"));
    actEdit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    // Enter edits only from the tree.
    actEdit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    actDeleteObject = addButtonEntry(toolbar->button(QStringLiteral("delete")), "actDeleteObject",
                                     QStringLiteral("&Delete Object"));
    addSeparator();
    addButtonEntry(toolbar->button(QStringLiteral("copy")), "actCopySnippet",
                   QStringLiteral("&Copy Snippet"));
}

QAction* EditMenu::addButtonEntry(QAction* button, const char* name, const QString& text)
{
    QAction* entry = addAction(text);
    entry->setObjectName(QString::fromLatin1(name));
    // The entry takes over the button's key, so that one key never names two commands.
    entry->setShortcut(button->shortcut());
    entry->setShortcutContext(button->shortcutContext());
    button->setShortcut(QKeySequence());
    entry->setEnabled(button->isEnabled());
    connect(button, &QAction::enabledChanged, entry, &QAction::setEnabled);
    connect(entry, &QAction::triggered, button, &QAction::trigger);
    return entry;
}

void EditMenu::addWorkspaceShortcuts(QWidget* view)
{
    for (QAction* action : {actUndo, actRedo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
    }
}

void EditMenu::addTreeShortcuts(QWidget* tree)
{
    tree->addAction(actEdit);
    tree->addAction(actDeleteObject);
    addWorkspaceShortcuts(tree);
}
