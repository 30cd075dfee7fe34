#include "Editors.h"

#include "frmAbout.h"
#include "frmAlert.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "ObjectSink.h"

namespace Editors {

// Every opening builds a new dialog, so nothing carries over from an earlier use.
void openDisplay(QWidget* owner, ObjectSink* sink)
{
    frmDisplay dialog(owner, sink);
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

void openAbout(QWidget* owner)
{
    frmAbout dialog(owner);
    dialog.exec();
}

} // namespace Editors
