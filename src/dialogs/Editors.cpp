#include "Editors.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "frmAbout.h"
#include "frmAlert.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "ObjectSink.h"

namespace Editors {

// Every opening builds a new dialog, so nothing carries over from an earlier use.
void openDisplay(QWidget* owner, ObjectSink* sink)
{
    openDisplayFor(owner, sink, QString());
}

void openDisplayFor(QWidget* owner, ObjectSink* sink, const QString& projectFolder)
{
    frmDisplay dialog(owner, sink);
    dialog.setProjectFolder(projectFolder);
    dialog.exec();
}

void openAlert(QWidget* owner, ObjectSink* sink)
{
    frmAlert dialog(owner, sink);
    dialog.exec();
}

void openTransition(QWidget* owner, ObjectSink* sink)
{
    frmTrans dialog(owner, sink);
    dialog.exec();
}

namespace {

template <typename Dialog, typename Model>
std::unique_ptr<ModelObject> edit(QWidget* owner, const Model& object,
                                  const QString& projectFolder = QString())
{
    Dialog dialog(owner, nullptr);
    if constexpr (std::is_same_v<Dialog, frmDisplay>)
        dialog.setProjectFolder(projectFolder);
    dialog.loadObject(object);
    dialog.exec();
    return dialog.takeObject();
}

} // namespace

std::unique_ptr<ModelObject> editObject(QWidget* owner, const ModelObject& object)
{
    return editObject(owner, object, QString());
}

std::unique_ptr<ModelObject> editObject(QWidget* owner, const ModelObject& object,
                                        const QString& projectFolder)
{
    switch (object.kind()) {
    case ObjectKind::Display:
        return edit<frmDisplay>(owner, static_cast<const clsDisplay&>(object), projectFolder);
    case ObjectKind::Transition:
        return edit<frmTrans>(owner, static_cast<const clsTransition&>(object));
    case ObjectKind::Alert:
        return edit<frmAlert>(owner, static_cast<const clsAlert&>(object));
    }
    return nullptr;
}

void openAbout(QWidget* owner)
{
    frmAbout dialog(owner);
    dialog.exec();
}

} // namespace Editors
