#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QIcon;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builds the editors' fixed layouts. Positions and sizes are given in twips, the unit the
// layouts were drawn in: 15 twips make one device-independent pixel.
class FormBuilder
{
public:
    static int px(int twips);
    static QRect rect(int left, int top, int width, int height);

    // Fixed-size dialog frame without minimize and maximize buttons, in Tahoma 8.25 pt.
    // An editor's caption while it edits an object: "Display Object - hero".
    static QString editCaption(const QString& caption, const QString& varName);
    static void setupDialog(QDialog* dialog, const QString& name, const QString& caption, int clientWidth,
                            int clientHeight);
    // Bold 18 pt text in the highlighted-text colour on the dark 3-D shadow colour.
    static QLabel* banner(QWidget* parent, const QString& name, const QString& text);
    // Right-aligned label; grows to the left when its text needs more room than drawn.
    static QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& twips);
    static QLineEdit* textField(QWidget* parent, const QString& name, const QRect& twips);
    static QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& twips);
    // A sunken horizontal line across the dialog at the given height.
    static QFrame* separator(QWidget* parent, const QString& name, int top, int width);

    // A window icon: the glyph in white on the banner's dark shadow colour.
    static QIcon glyphIcon(const QString& glyph);

    // Keeps a right-aligned label's right edge and widens it to fit its current text.
    static void fitLabel(QLabel* label);
};
