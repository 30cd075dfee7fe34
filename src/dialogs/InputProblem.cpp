#include "InputProblem.h"

#include "MessageBox.h"

#include <QWidget>

void InputProblem::report(QWidget* dialog) const
{
    MessageBox::critical(dialog, QStringLiteral("Missing Data"), message);
    if (auto* control = dialog->findChild<QWidget*>(field)) {
        // Styles draw the focus frame only after the keyboard moved the focus; a list or a
        // button has no cursor, so without the frame the user cannot see where to go on.
        control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        control->setFocus();
        control->update();
    }
}
