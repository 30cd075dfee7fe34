#include "PictureMarks.h"

#include "clsDisplay.h"
#include "ObjectCollection.h"
#include "ObjectTree.h"
#include "PictureLibrary.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace {

const clsDisplay* imageOf(const ModelObject* object)
{
    const auto* display = clsDisplay::from(object);
    if (!display ||
        (display->dObjType() != clsDisplay::Image && display->dObjType() != clsDisplay::ImageRect))
        return nullptr;
    return display;
}

} // namespace

QList<PictureChecks::Problem> PictureMarks::problemsOf(const ModelObject& object, PictureLibrary* library)
{
    const clsDisplay* image = imageOf(&object);
    if (!image || !library || !library->isActive())
        return {};
    return library->resolve(image->filename(), image->dObjType() == clsDisplay::ImageRect).problems;
}

void PictureMarks::apply(QTreeWidget* tree, const ObjectCollection& objects, PictureLibrary* library)
{
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    if (!root)
        return;
    const QIcon error = tree->style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = tree->style()->standardIcon(QStyle::SP_MessageBoxWarning);
    // The rebuild sized the column for names alone; a marked name needs room for its icon too.
    const QFontMetrics metrics(tree->font());
    const int icon = tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tree);
    // Indentation of an object node under its branch, the icon and its gap, the item's margins.
    const int iconRoom = 3 * tree->indentation() + icon + 28;
    int widest = 0;
    for (int b = 0; b < root->childCount(); ++b) {
        QTreeWidgetItem* branch = root->child(b);
        for (int c = 0; c < branch->childCount(); ++c) {
            QTreeWidgetItem* node = branch->child(c);
            const ModelObject* object = objects.at(ObjectTree::nodeIndex(node) - ObjectTree::fixedNodes);
            const QList<PictureChecks::Problem> problems =
                object ? problemsOf(*object, library) : QList<PictureChecks::Problem>();
            if (problems.isEmpty()) {
                if (!node->icon(0).isNull()) {
                    node->setIcon(0, QIcon());
                    node->setToolTip(0, QString());
                }
                continue;
            }
            QStringList texts;
            bool anyError = false;
            for (const PictureChecks::Problem& problem : problems) {
                texts << problem.text;
                anyError = anyError || problem.error;
            }
            node->setIcon(0, anyError ? error : warning);
            node->setToolTip(0, texts.join(QLatin1Char(' ')));
            widest = std::max(widest, iconRoom + metrics.horizontalAdvance(node->text(0)));
        }
    }
    if (widest > tree->header()->sectionSize(0))
        tree->header()->resizeSection(0, widest);
}

int PictureMarks::missingCount(const QList<const ModelObject*>& objects, PictureLibrary* library)
{
    if (!library || !library->isActive())
        return 0;
    int count = 0;
    for (const ModelObject* object : objects) {
        const clsDisplay* image = imageOf(object);
        if (image && !image->filename().trimmed().isEmpty() &&
            library->resolve(image->filename(), image->dObjType() == clsDisplay::ImageRect).lookup.status ==
                PictureLocator::Status::Missing)
            ++count;
    }
    return count;
}

QString PictureMarks::missingNote(int count)
{
    if (count <= 0)
        return QString();
    if (count == 1)
        return QStringLiteral("; 1 object names a picture that is not in the project");
    return QStringLiteral("; %1 objects name pictures that are not in the project").arg(count);
}

QString PictureMarks::missingNote(const QList<const ModelObject*>& objects, PictureLibrary* library)
{
    return missingNote(missingCount(objects, library));
}
