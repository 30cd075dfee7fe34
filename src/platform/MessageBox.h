#pragma once

#include <QList>
#include <QString>

class QWidget;

// Message boxes with a single OK button. Tests switch on recording, after which
// nothing is shown and every box is remembered instead.
class MessageBox
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Critical
    };
    struct Shown
    {
        Icon icon;
        QString caption;
        QString text;
        QWidget* parent;
    };

    static void show(QWidget* parent, Icon icon, const QString& caption, const QString& text);
    static void critical(QWidget* parent, const QString& caption, const QString& text)
    {
        show(parent, Icon::Critical, caption, text);
    }

    // For tests: while recording, boxes are stored, not shown.
    static void setRecording(bool on);
    static bool isRecording();
    static QList<Shown> takeShown(); // returns and forgets what was recorded
};
