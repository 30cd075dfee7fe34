#include "ObjectTree.h"

#include "ObjectNode.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Text widths for thousands of names within a rebuild: Latin-1 texts as the sum of their
// characters' advances, remembered per character, which is many times faster than laying out
// each text. Kerning mostly narrows a text, so the sum errs on the wide side; other texts are
// measured whole.
class TextWidths
{
public:
    explicit TextWidths(const QFont& font) : m_metrics(font) { m_advance.fill(-1); }

    int operator()(const QString& text)
    {
        qreal width = 0;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u >= m_advance.size())
                return int(std::ceil(m_metrics.horizontalAdvance(text)));
            if (m_advance[u] < 0)
                m_advance[u] = m_metrics.horizontalAdvance(c);
            width += m_advance[u];
        }
        return int(std::ceil(width));
    }

private:
    QFontMetricsF m_metrics;
    std::array<qreal, 256> m_advance;
};

} // namespace

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

    // The widest node, by its text and indentation: its model position is found after insertion.
    TextWidths textWidth(tree->font());
    const int indentation = tree->indentation();
    int widestWidth = textWidth(rootText());
    int widestBranch = -1; // -1 the root itself
    int widestRow = -1;    // -1 the branch itself
    for (size_t k = 0; k < kinds.size(); ++k) {
        const int width = indentation + textWidth(kinds[k]);
        if (width > widestWidth) {
            widestWidth = width;
            widestBranch = int(k);
        }
    }

    QTreeWidgetItem* last = nullptr;
    for (qsizetype i = 1; i <= objects.count(); ++i) {
        const ModelObject* object = objects.at(i);
        const QString kind = object->ObjType();
        const auto branch = std::find(kinds.begin(), kinds.end(), kind);
        if (branch == kinds.end())
            continue; // no branch to hang it on; its position stays reserved
        const QString name = object->varName();
        const size_t k = size_t(branch - kinds.begin());
        const int width = 2 * indentation + textWidth(name);
        if (width > widestWidth) {
            widestWidth = width;
            widestBranch = int(k);
            widestRow = int(children[k].size());
        }
        last = new ObjectNode(name, fixedNodes + i);
        children[k].append(last);
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

    // The view would measure only the rows in view when it sizes the column, so that a longer
    // name further up or down is cut off; the widest node sets the width instead, and the tree
    // scrolls sideways when that is wider than the tree.
    const QAbstractItemModel* model = tree->model();
    QModelIndex widest = model->index(0, 0);
    int depth = 0;
    if (widestBranch >= 0) {
        widest = model->index(widestBranch, 0, widest);
        depth = 1;
    }
    if (widestRow >= 0) {
        widest = model->index(widestRow, 0, widest);
        depth = 2;
    }
    // The view's own measure of that node adds the margins; the estimate may be the wider.
    const int exactText = QFontMetrics(tree->font()).horizontalAdvance(widest.data().toString());
    const int margins = tree->sizeHintForIndex(widest).width() - exactText;
    const int decoration = tree->rootIsDecorated() ? indentation : 0;
    tree->header()->resizeSection(0, decoration + std::max(widestWidth, depth * indentation + exactText) +
                                         margins);

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
