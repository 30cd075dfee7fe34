#include "ObjectNode.h"

#include "ObjectTree.h"

#include <QStringList>

ObjectNode::ObjectNode(const QString& text, qsizetype index, const QString& fixedKey)
    : QTreeWidgetItem(QStringList{text}, UserType + 1), m_index(index), m_fixedKey(fixedKey)
{
}

QVariant ObjectNode::data(int column, int role) const
{
    if (role == ObjectTree::indexRole)
        return m_index;
    if (role == ObjectTree::keyRole)
        return key();
    return QTreeWidgetItem::data(column, role);
}

QString ObjectNode::key() const
{
    if (!m_fixedKey.isEmpty() || !parent())
        return m_fixedKey;
    // The first letter of the kind, which is its branch's key, and the place in the collection.
    return parent()->data(0, ObjectTree::keyRole).toString().left(1) + QLatin1Char('-') +
           QString::number(m_index - ObjectTree::fixedNodes);
}
