#include "ElidedLabel.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

void ElidedLabel::setText(const QString& text)
{
    QLabel::setText(text);
    updateToolTip();
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width() - 2 * margin());
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Room for the ellipsis and a letter, so that a squeezed note still says it is there.
    const QSize full = QLabel::minimumSizeHint();
    const QMargins margins = contentsMargins();
    const int least = fontMetrics().horizontalAdvance(QStringLiteral("W…")) + 2 * margin() + margins.left() +
                      margins.right();
    return {qMin(full.width(), least), full.height()};
}

void ElidedLabel::paintEvent(QPaintEvent* event)
{
    if (!isElided())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::updateToolTip()
{
    setToolTip(isElided() ? text() : QString());
}
