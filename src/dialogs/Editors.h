#pragma once

#include <memory>

#include <QString>

class ModelObject;
class QWidget;
class ObjectSink;

// The commands that open the modal editors and the About box. Each returns when the
// dialog has closed; editors hand a finished object to the sink before they close.
namespace Editors {

void openDisplay(QWidget* owner, ObjectSink* sink);
// projectFolder: the game's folder, where picked and dropped pictures are named relative to.
void openDisplayFor(QWidget* owner, ObjectSink* sink, const QString& projectFolder);
void openAlert(QWidget* owner, ObjectSink* sink);
void openTransition(QWidget* owner, ObjectSink* sink);
void openAbout(QWidget* owner);
// Opens the object's editor on a copy of it. The changed copy when the user confirmed it,
// nullptr when the dialog was cancelled or closed (the object itself is never touched).
std::unique_ptr<ModelObject> editObject(QWidget* owner, const ModelObject& object);
std::unique_ptr<ModelObject> editObject(QWidget* owner, const ModelObject& object,
                                        const QString& projectFolder);

} // namespace Editors
