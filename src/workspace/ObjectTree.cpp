#include "ObjectTree.h"

#include "ObjectNode.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

#include <algorithm>
#include <array>

void ObjectTree::rebuild(QTreeWidget* tree, const ObjectCollection& objects)
{
    tree->clear();

    static const std::array<QString, 3> kinds{QStringLiteral("Display"), QStringLiteral("Alert"),
                                              QStringLiteral("Transition")};
    auto* root = new ObjectNode(rootText(), 1, QStringLiteral("Root"));
    std::array<QTreeWidgetItem*, 3> branches{};
    std::array<QList<QTreeWidgetItem*>, 3> children;
    for (size_t k = 0; k < kinds.size(); ++k) {
        branches[k] = new ObjectNode(kinds[k], qsizetype(k) + 2, kinds[k]);
        root->addChild(branches[k]);
    }

    QTreeWidgetItem* last = nullptr;
    for (qsizetype i = 1; i <= objects.count(); ++i) {
        const ModelObject* object = objects.at(i);
        const QString kind = object->ObjType();
        const auto branch = std::find(kinds.begin(), kinds.end(), kind);
        if (branch == kinds.end())
            continue; // no branch to hang it on; its position stays reserved
        last = new ObjectNode(object->varName(), fixedNodes + i);
        children[size_t(branch - kinds.begin())].append(last);
    }
    for (size_t k = 0; k < kinds.size(); ++k)
        branches[k]->addChildren(children[k]);

    // One insertion for the whole tree: adding node by node costs a model signal each.
    tree->addTopLevelItem(root);
    root->setExpanded(true);
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (!children[k].isEmpty())
            branches[k]->setExpanded(true);
    }
    tree->scrollToItem(last ? last : branches[1]);
}

QString ObjectTree::key(const QTreeWidgetItem* node)
{
    return node ? node->data(0, keyRole).toString() : QString();
}

qsizetype ObjectTree::nodeIndex(const QTreeWidgetItem* node)
{
    return node ? node->data(0, indexRole).value<qsizetype>() : 0;
}

QString ObjectTree::fullPath(const QTreeWidgetItem* node)
{
    QStringList parts;
    for (; node; node = node->parent())
        parts.prepend(node->text(0));
    return parts.join(pathSeparator());
}

qsizetype ObjectTree::CountBackslashes(const QString& text)
{
    return text.count(QLatin1Char('\\'));
}

bool ObjectTree::deleteEnabledFor(const QTreeWidgetItem* node)
{
    if (!node || !node->parent())
        return false;
    return node->parent()->text(0) != rootText();
}

qsizetype ObjectTree::objectPositionFor(const QTreeWidgetItem* node)
{
    if (!node || CountBackslashes(fullPath(node)) < 2)
        return 0;
    return nodeIndex(node) - fixedNodes;
}

QTreeWidgetItem* ObjectTree::nodeFor(const QTreeWidget* tree, qsizetype position)
{
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    if (position < 1 || !root)
        return nullptr;
    for (int b = 0; b < root->childCount(); ++b) {
        const QTreeWidgetItem* branch = root->child(b);
        for (int c = 0; c < branch->childCount(); ++c) {
            if (nodeIndex(branch->child(c)) == fixedNodes + position)
                return branch->child(c);
        }
    }
    return nullptr;
}
