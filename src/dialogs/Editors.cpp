#include "Editors.h"

#include "frmAbout.h"
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

void openDisplay(QWidget* owner, ObjectSink*)
{
    placeholder(owner, QStringLiteral("Display Object"));
}

void openAlert(QWidget* owner, ObjectSink*)
{
    placeholder(owner, QStringLiteral("Alert Window"));
}

void openTransition(QWidget* owner, ObjectSink*)
{
    placeholder(owner, QStringLiteral("Transitions"));
}

void openAbout(QWidget* owner)
{
    frmAbout dialog(owner);
    dialog.exec();
}

} // namespace Editors
