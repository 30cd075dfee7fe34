#pragma once

#include <QTreeWidget>

class QMenu;

// The tree of the workspace's objects (tv1). Clicks in it are reported as the window's
// handlers want them; the view's own handling of right clicks and clicks in blank space,
// which would change the selection, is kept out.
class WorkspaceTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit WorkspaceTree(QWidget* parent);

    QTreeWidgetItem* selectedNode() const;
    // The collection position of the object the selected node shows; 0 for none.
    qsizetype selectedPosition() const;

    // What a right click in the tree opens.
    void setContextMenu(QMenu* menu) { mnuContext = menu; }

Q_SIGNALS:
    void leftReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tv1_MouseDown(Qt::MouseButton button, const QPoint& position);

    QMenu* mnuContext = nullptr;
};
