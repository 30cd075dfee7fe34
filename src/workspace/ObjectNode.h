#pragma once

#include <QTreeWidgetItem>

// A node of the object tree. Keeps its running number as a plain member and works its key
// out when asked: a rebuild makes one node per object, and data roles would cost each an
// allocation to fill and another to clear.
class ObjectNode : public QTreeWidgetItem
{
public:
    // fixedKey names the root and the kind branches; object nodes leave it empty.
    ObjectNode(const QString& text, qsizetype index, const QString& fixedKey = QString());

    // Answers ObjectTree's key and index roles; everything else as any item does.
    QVariant data(int column, int role) const override;

private:
    QString key() const;

    qsizetype m_index;
    QString m_fixedKey;
};
