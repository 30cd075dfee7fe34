#include "ColorDialog.h"

#include <QColorDialog>

#include <utility>

QColor ColorDialog::getColor(const QColor& initial, QWidget* parent)
{
    if (m_hasNext) {
        m_hasNext = false;
        return std::exchange(m_next, QColor());
    }
    return QColorDialog::getColor(initial, parent);
}

void ColorDialog::setNextColor(const QColor& color)
{
    m_hasNext = true;
    m_next = color;
}

ColorDialog* colorDialog()
{
    static ColorDialog instance;
    return &instance;
}
