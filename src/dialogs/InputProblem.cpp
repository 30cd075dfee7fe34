#include "InputProblem.h"

#include "MessageBox.h"

#include <QWidget>

void InputProblem::report(QWidget* dialog) const
{
    MessageBox::critical(dialog, QStringLiteral("Missing Data"), message);
    if (auto* control = dialog->findChild<QWidget*>(field))
        control->setFocus();
}
