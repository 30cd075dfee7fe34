#pragma once

#include "ObjectCollection.h"
#include "ProjectLink.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QUndoStack;

// The objects the user made and the history of how they got there. Every change the user
// makes is a step on the undo stack; the views follow the signals.
class WorkspaceDocument : public QObject
{
    Q_OBJECT
public:
    explicit WorkspaceDocument(QObject* parent = nullptr);
    ~WorkspaceDocument() override;

    const ObjectCollection& objects() const { return m_objects; }
    QUndoStack* undoStack() const { return m_undoStack; }

    // Undoable steps, each named after the object ("Add hero", "Edit hero", "Delete hero").
    // A missing object or a position outside the collection makes no step, and neither does
    // a replacement that holds the same values as the object in place (an edit confirmed
    // without a change, a drag back to where it started).
    void addObject(std::unique_ptr<ModelObject> object);
    // verb names the step: "Edit" from the editors, "Move" from the stage.
    void replaceObject(qsizetype position, std::unique_ptr<ModelObject> object, const QString& verb);
    void removeObject(qsizetype position);

    // Not undoable: starts over with these objects and forgets the history (New, Open).
    void reset(std::vector<std::unique_ptr<ModelObject>> objects = {});

    // Empty while the objects belong to no file.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& path);
    // The game folder the user tied the workspace to, if any.
    ProjectLink projectLink() const { return m_project; }
    // Not undoable: the link a file was opened with.
    void setProjectLink(const ProjectLink& link);
    // The user's choice, an undo step; the same link again makes none.
    void changeProjectLink(const ProjectLink& link);
    bool isModified() const;
    void markSaved();
    // Modified with no step to undo: a workspace restored from a recovery copy.
    void markModified();

signals:
    void objectsChanged();
    // The object to select after a step, its undo or its redo; 0 selects none. Adding an
    // object does not ask for a selection the first time, so the editors' flow stays as it was.
    void selectRequested(qsizetype position);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& path);
    void projectLinkChanged(const ProjectLink& link);

private:
    friend class AddObjectCommand;
    friend class ReplaceObjectCommand;
    friend class RemoveObjectCommand;

    // "Delete hero"; in the undo and redo actions a "&" in the name stays a "&", not a mnemonic.
    static QString stepText(const QString& verb, const QString& name);
    // The commands change the collection only through these, so every change is announced.
    void insertObject(qsizetype position, std::unique_ptr<ModelObject> object);
    std::unique_ptr<ModelObject> takeObject(qsizetype position);
    std::unique_ptr<ModelObject> swapObject(qsizetype position, std::unique_ptr<ModelObject> object);

    ObjectCollection m_objects;
    QUndoStack* m_undoStack = nullptr;
    QString m_fileName;
    ProjectLink m_project;
};
