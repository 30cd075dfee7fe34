#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
bool g_recording = false;
QList<MessageBox::Shown>& recorded()
{
    static QList<MessageBox::Shown> list;
    return list;
}
QList<MessageBox::Answer>& answers()
{
    static QList<MessageBox::Answer> list;
    return list;
}
} // namespace

void MessageBox::show(QWidget* parent, Icon icon, const QString& caption, const QString& text)
{
    if (g_recording) {
        recorded().append({icon, caption, text, parent});
        return;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        qicon = QMessageBox::Information;
        break;
    case Icon::Warning:
        qicon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        qicon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(qicon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBox::Answer MessageBox::askSaveDiscardCancel(QWidget* parent, const QString& caption,
                                                    const QString& text)
{
    if (g_recording) {
        recorded().append({Icon::Warning, caption, text, parent});
        return answers().isEmpty() ? Answer::Cancel : answers().takeFirst();
    }
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

MessageBox::Answer MessageBox::askCopyUseAnywayCancel(QWidget* parent, const QString& caption,
                                                      const QString& text)
{
    if (g_recording) {
        recorded().append({Icon::None, caption, text, parent});
        return answers().isEmpty() ? Answer::Cancel : answers().takeFirst();
    }
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton* copy = box.addButton(QStringLiteral("&Copy"), QMessageBox::AcceptRole);
    QPushButton* useAnyway = box.addButton(QStringLiteral("&Use Anyway"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(copy);
    box.exec();
    return box.clickedButton() == copy        ? Answer::Copy
           : box.clickedButton() == useAnyway ? Answer::UseAnyway
                                              : Answer::Cancel;
}

void MessageBox::setRecording(bool on)
{
    g_recording = on;
    recorded().clear();
    answers().clear();
}

void MessageBox::setNextAnswer(Answer answer)
{
    answers().append(answer);
}

qsizetype MessageBox::pendingAnswers()
{
    return answers().size();
}

bool MessageBox::isRecording()
{
    return g_recording;
}

QList<MessageBox::Shown> MessageBox::takeShown()
{
    return std::exchange(recorded(), {});
}
