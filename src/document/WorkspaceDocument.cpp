#include "WorkspaceDocument.h"

#include "AddObjectCommand.h"
#include "ObjectComparison.h"
#include "ProjectLinkCommand.h"
#include "RemoveObjectCommand.h"
#include "ReplaceObjectCommand.h"

#include <QUndoStack>

WorkspaceDocument::WorkspaceDocument(QObject* parent) : QObject(parent), m_undoStack(new QUndoStack(this))
{
    connect(m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

// A document on its way out tells no one that its history is gone.
WorkspaceDocument::~WorkspaceDocument()
{
    m_undoStack->blockSignals(true);
    m_undoStack->clear();
}

void WorkspaceDocument::addObject(std::unique_ptr<ModelObject> object)
{
    if (object)
        m_undoStack->push(new AddObjectCommand(this, std::move(object)));
}

void WorkspaceDocument::replaceObject(qsizetype position, std::unique_ptr<ModelObject> object,
                                      const QString& verb)
{
    const ModelObject* current = m_objects.at(position);
    if (object && current && !ObjectComparison::same(*current, *object))
        m_undoStack->push(new ReplaceObjectCommand(this, position, std::move(object), verb));
}

void WorkspaceDocument::removeObject(qsizetype position)
{
    if (m_objects.at(position))
        m_undoStack->push(new RemoveObjectCommand(this, position));
}

void WorkspaceDocument::reset(std::vector<std::unique_ptr<ModelObject>> objects)
{
    m_undoStack->clear();
    m_objects.clear();
    for (auto& object : objects)
        m_objects.append(std::move(object));
    emit objectsChanged();
    emit selectRequested(0);
}

void WorkspaceDocument::setFileName(const QString& path)
{
    if (path == m_fileName)
        return;
    m_fileName = path;
    emit fileNameChanged(path);
}

void WorkspaceDocument::changeProjectLink(const ProjectLink& link)
{
    if (link != m_project)
        m_undoStack->push(new ProjectLinkCommand(this, link));
}

void WorkspaceDocument::setProjectLink(const ProjectLink& link)
{
    if (link == m_project)
        return;
    m_project = link;
    emit projectLinkChanged(link);
}

bool WorkspaceDocument::isModified() const
{
    return !m_undoStack->isClean();
}

void WorkspaceDocument::markSaved()
{
    m_undoStack->setClean();
}

void WorkspaceDocument::markModified()
{
    m_undoStack->resetClean();
}

QString WorkspaceDocument::stepText(const QString& verb, const QString& name)
{
    // QUndoCommand takes the part after a line break as the actions' text.
    const QString text = verb + QLatin1Char(' ') + name;
    return text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void WorkspaceDocument::insertObject(qsizetype position, std::unique_ptr<ModelObject> object)
{
    if (m_objects.insert(position, std::move(object)))
        emit objectsChanged();
}

std::unique_ptr<ModelObject> WorkspaceDocument::takeObject(qsizetype position)
{
    std::unique_ptr<ModelObject> object = m_objects.take(position);
    if (object)
        emit objectsChanged();
    return object;
}

std::unique_ptr<ModelObject> WorkspaceDocument::swapObject(qsizetype position,
                                                           std::unique_ptr<ModelObject> object)
{
    std::unique_ptr<ModelObject> old = m_objects.replace(position, std::move(object));
    if (old)
        emit objectsChanged();
    return old;
}
