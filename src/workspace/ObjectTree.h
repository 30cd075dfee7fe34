#pragma once

#include "ObjectCollection.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The rules of the object tree, kept apart from the window so that they can be checked
// on bare items: how the tree is rebuilt from the collection, and what a node leads to.
class ObjectTree
{
public:
    static constexpr int keyRole = Qt::UserRole;       // the node's key ("Root", "D-1")
    static constexpr int indexRole = Qt::UserRole + 1; // its running number over the whole tree
    // The root and the three kind branches come first, so object i is node fixedNodes + i.
    static constexpr qsizetype fixedNodes = 4;

    static QString rootText() { return QStringLiteral("Objects Created"); }
    static QChar pathSeparator() { return QLatin1Char('\\'); }

    // Clears the tree and adds the fixed nodes and one node per object, then expands the
    // root and every branch that holds objects and scrolls once to the last object node.
    // Selects nothing.
    static void rebuild(QTreeWidget* tree, const ObjectCollection& objects);

    static QString key(const QTreeWidgetItem* node);
    static qsizetype nodeIndex(const QTreeWidgetItem* node);
    // The node's texts from the root down, joined by the path separator.
    static QString fullPath(const QTreeWidgetItem* node);
    static qsizetype CountBackslashes(const QString& text);

    // Whether clicking this node enables the delete command: only object nodes do.
    static bool deleteEnabledFor(const QTreeWidgetItem* node);
    // The collection position of the object a selected node shows, or 0 when it shows none
    // (no node, the root or a kind branch). Goes by the path, so a name holding
    // backslashes still counts as an object node.
    static qsizetype objectPositionFor(const QTreeWidgetItem* node);
    // The node that shows the object at this collection position, or nullptr.
    static QTreeWidgetItem* nodeFor(const QTreeWidget* tree, qsizetype position);
};
