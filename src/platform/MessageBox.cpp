#include "MessageBox.h"

#include <QMessageBox>

namespace {
bool g_recording = false;
QList<MessageBox::Shown>& recorded()
{
    static QList<MessageBox::Shown> list;
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

void MessageBox::setRecording(bool on)
{
    g_recording = on;
    recorded().clear();
}

bool MessageBox::isRecording()
{
    return g_recording;
}

QList<MessageBox::Shown> MessageBox::takeShown()
{
    return std::exchange(recorded(), {});
}
