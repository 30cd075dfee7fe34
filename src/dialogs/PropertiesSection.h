#pragma once

#include "DisplayProperties.h"
#include "InputProblem.h"

#include <QWidget>

#include <optional>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// The display editor's alpha, rotation, scale and stroke fields.
class PropertiesSection : public QWidget
{
    Q_OBJECT
public:
    // Placed in the dialog at top (twips); what lay below moves down and the dialog grows. Its
    // fields follow `after` in Tab order.
    static PropertiesSection* insertInto(QDialog* dialog, int top, QWidget* after);

    void load(const DisplayProperties& properties);
    // The first problem, with the field to go to; nothing when read() may be taken.
    std::optional<InputProblem> check() const;
    DisplayProperties read() const;
    // Only rects, rounded rects, circles and lines take a stroke; a line keeps its colour.
    void setKind(int kind);

private:
    explicit PropertiesSection(QWidget* parent);
    void pickStrokeColour();
    void setSwatch(qint32 colour);

    QLineEdit* m_alpha = nullptr;
    QLineEdit* m_rotation = nullptr;
    QLineEdit* m_xScale = nullptr;
    QLineEdit* m_yScale = nullptr;
    QLineEdit* m_strokeWidth = nullptr;
    QPushButton* m_strokeButton = nullptr;
    QLabel* m_swatch = nullptr;
    qint32 m_strokeColour = 0;
};
