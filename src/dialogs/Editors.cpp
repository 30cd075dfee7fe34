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
    if (const auto* display = dynamic_cast<const clsDisplay*>(&object))
        return edit<frmDisplay>(owner, *display, projectFolder);
    if (const auto* transition = dynamic_cast<const clsTransition*>(&object))
        return edit<frmTrans>(owner, *transition);
    if (const auto* alert = dynamic_cast<const clsAlert*>(&object))
        return edit<frmAlert>(owner, *alert);
    return nullptr;
}

void openAbout(QWidget* owner)
{
    frmAbout dialog(owner);
    dialog.exec();
}

} // namespace Editors
