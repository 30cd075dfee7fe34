#include "Editors.h"

#include "frmAlert.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "ObjectSink.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// Stands in for a dialog that is not built yet: modal, owned, closes with OK or Esc.
void placeholder(QWidget* owner, const QString& caption)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("placeholder"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Not available yet."), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}
} // namespace

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
    placeholder(owner, QStringLiteral("About Quillet"));
}

} // namespace Editors
