#pragma once

#include <QColor>

class QWidget;

// The colour dialog; tests answer it with setNextColor instead of showing it.
class ColorDialog
{
public:
    // The chosen colour, or an invalid QColor when the user cancelled.
    QColor getColor(const QColor& initial, QWidget* parent);

    // For tests: the next call returns this at once (an invalid colour answers as a cancel).
    void setNextColor(const QColor& color);

private:
    bool m_hasNext = false;
    QColor m_next;
};

ColorDialog* colorDialog();
