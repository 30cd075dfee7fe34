#pragma once

#include <QLabel>

// A one-line label that gives way when space runs short: it shows as much of its text as
// fits, ending in "…", and then offers the whole text as its tool tip.
class ElidedLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString shownText READ shownText)
public:
    using QLabel::QLabel;

    // Hides QLabel::setText so that the tool tip follows the text.
    void setText(const QString& text);
    // The text as painted at the current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();
};
