#include "StageLink.h"

#include "clsDisplay.h"
#include "GroupNames.h"
#include "ProjectSession.h"
#include "StageDock.h"
#include "StageGeometry.h"
#include "StagePane.h"
#include "StageView.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceTree.h"

#include <QPointer>

StageLink::StageLink(StageDock* dock, WorkspaceDocument* document, WorkspaceFiles* files, WorkspaceTree* tree,
                     QObject* parent)
    : QObject(parent), m_dock(dock), m_document(document), m_tree(tree)
{
    StageView* stage = dock->view();
    // The display editor's parent group field completes this workspace's groups.
    GroupNames::setSource([document = QPointer<WorkspaceDocument>(document)] {
        QStringList names;
        for (const ModelObject* object :
             document ? document->objects().objects() : QList<const ModelObject*>()) {
            if (const clsDisplay* d = clsDisplay::from(object);
                d && d->isGroup() && !names.contains(d->varName()))
                names << d->varName();
        }
        return names;
    });
    connect(dock, &StageDock::objectsWanted, this, &StageLink::updateStage);
    connect(document, &WorkspaceDocument::objectsChanged, this, &StageLink::updateStage);
    connect(tree, &QTreeWidget::itemSelectionChanged, stage,
            [tree, stage] { stage->setSelectedPosition(tree->selectedPosition()); });
    connect(stage, &StageView::moveRequested, this, &StageLink::stage_MoveRequested);

    const auto later = [this] {
        QMetaObject::invokeMethod(
            this, [this] { updateProject(); }, Qt::QueuedConnection);
    };
    connect(document, &WorkspaceDocument::projectLinkChanged, this, later);
    connect(document, &WorkspaceDocument::fileNameChanged, this, later);
    connect(files, &WorkspaceFiles::opened, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { updateProject(true); }, Qt::QueuedConnection);
    });
}

void StageLink::updateStage()
{
    if (m_dock->wantsObjects())
        m_dock->showObjects(m_document->objects().objects(), m_tree->selectedPosition());
}

void StageLink::stage_MoveRequested(qsizetype position, qint32 newX, qint32 newY)
{
    const auto* display = clsDisplay::from(m_document->objects().at(position));
    if (!display || (display->x() == newX && display->y() == newY))
        return;
    m_document->replaceObject(position, StageGeometry::movedTo(*display, newX, newY), QStringLiteral("Move"));
}

void StageLink::updateProject(bool again)
{
    m_dock->pane()->session()->setFolder(
        WorkspaceFiles::projectFolderFor(m_document->projectLink(), m_document->fileName()), again);
}
