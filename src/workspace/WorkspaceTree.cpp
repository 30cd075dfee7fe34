#include "WorkspaceTree.h"

#include "ObjectTree.h"
#include "PreferredFont.h"

#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

WorkspaceTree::WorkspaceTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("tv1"));
    setFont(PreferredFont::tahoma(9.75));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The rebuild sizes the column to the widest name, so that long ones scroll rather than
    // being cut short.
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setStretchLastSection(false);
    viewport()->installEventFilter(this);
}

QTreeWidgetItem* WorkspaceTree::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

qsizetype WorkspaceTree::selectedPosition() const
{
    return ObjectTree::objectPositionFor(selectedNode());
}

void WorkspaceTree::tv1_MouseDown(Qt::MouseButton button, const QPoint& position)
{
    if (button == Qt::RightButton && mnuContext)
        mnuContext->popup(viewport()->mapToGlobal(position));
}

bool WorkspaceTree::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    if (watched != viewport() || !mouse)
        return QTreeWidget::eventFilter(watched, event);
    const auto* click = static_cast<QMouseEvent*>(event);
    const QPoint position = click->position().toPoint();
    if (type == QEvent::MouseButtonRelease) {
        if (click->button() == Qt::LeftButton)
            emit leftReleased();
        return click->button() == Qt::RightButton;
    }
    if (click->button() == Qt::RightButton) {
        // Handled here so that the tree's selection stays as it is.
        tv1_MouseDown(click->button(), position);
        return true;
    }
    // The view would drop its selection on a click in blank space; the tree keeps it.
    return !itemAt(position);
}
