#pragma once

class QWidget;
class ObjectSink;

// The commands that open the modal editors and the About box. Each returns when the
// dialog has closed; editors hand a finished object to the sink before they close.
namespace Editors {

void openDisplay(QWidget* owner, ObjectSink* sink);
void openAlert(QWidget* owner, ObjectSink* sink);
void openTransition(QWidget* owner, ObjectSink* sink);
void openAbout(QWidget* owner);

} // namespace Editors
