#include "ClearTextBoxes.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

void ClearTextBoxes(QWidget* window)
{
    if (!window)
        return;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            QWidget* owner = line->parentWidget();
            if (qobject_cast<QComboBox*>(owner) || qobject_cast<QAbstractSpinBox*>(owner))
                continue;
            line->clear();
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
            plain->clear();
        } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            rich->clear();
        }
    }
}
