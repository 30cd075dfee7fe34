#pragma once

#include <QList>
#include <QString>

class QWidget;

// Message boxes with a single OK button, and the Save / Discard / Cancel question. Tests
// switch on recording, after which nothing is shown and every box is remembered instead;
// questions then take the answers queued with setNextAnswer.
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
    enum class Answer
    {
        Save,
        Discard,
        Cancel,
        Copy,
        UseAnyway
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

    // A warning with Save, Discard and Cancel; Escape and the close box answer Cancel.
    static Answer askSaveDiscardCancel(QWidget* parent, const QString& caption, const QString& text);

    // A question with Copy, Use Anyway and Cancel; Escape and the close box answer Cancel.
    static Answer askCopyUseAnywayCancel(QWidget* parent, const QString& caption, const QString& text);

    // For tests: while recording, boxes are stored, not shown.
    static void setRecording(bool on);
    static bool isRecording();
    static QList<Shown> takeShown(); // returns and forgets what was recorded
    // Queued answers for the recorded questions, first in first out; a question with none
    // queued answers Cancel, which loses nothing.
    static void setNextAnswer(Answer answer);
    static qsizetype pendingAnswers();
};
