#include "Ui.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

namespace Ui {

void press(QWidget* root, const QString& name)
{
    if (auto* button = root->findChild<QAbstractButton*>(name))
        return button->click();
    QAction* action = find<QAction>(root, name);
    for (QToolBar* toolbar : root->findChildren<QToolBar*>()) {
        if (QWidget* button = toolbar->widgetForAction(action))
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    if (action)
        action->trigger();
}

void fill(QWidget* root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString name = entry.section('=', 0, 0);
        const QString value = entry.section('=', 1);
        if (auto* field = root->findChild<QLineEdit*>(name))
            field->setText(value);
        else if (auto* list = root->findChild<QComboBox*>(name))
            list->setCurrentIndex(value.toInt());
        else if (auto* button = root->findChild<QAbstractButton*>(name); button && button->isCheckable())
            button->setChecked(true);
        else
            press(root, name);
    }
}

void keys(const QKeySequence& keys)
{
    QTest::keySequence(QApplication::focusWidget(), keys);
}

QStringList focusWalk(Qt::Key key)
{
    QStringList names;
    QWidget* const start = QApplication::focusWidget();
    for (QWidget* at = start; at && names.size() < 20; at = QApplication::focusWidget()) {
        names << at->objectName();
        QTest::keyClick(at, key);
        if (QApplication::focusWidget() == start)
            break;
    }
    return names;
}

QColor pixel(QWidget* widget, QPoint at)
{
    return widget->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
}

void whenModal(std::function<void(QWidget*)> action, QWidget* besides)
{
    auto* timer = new QTimer;
    QObject::connect(
        timer, &QTimer::timeout, timer, [timer, ticks = 0, besides, action = std::move(action)]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            const bool ready = modal && modal != besides && modal->isVisible() && modal->isActiveWindow();
            if (!ready && ++ticks <= 500)
                return;
            timer->stop();
            timer->deleteLater();
            if (ready)
                action(modal);
            else
                QTest::qFail("no modal dialog opened", __FILE__, __LINE__);
        });
    timer->start(10);
}

void end(QWidget* modal, const QString& how)
{
    if (how == "esc" || how == "enter")
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                        how == "esc" ? Qt::Key_Escape : Qt::Key_Return);
    else if (how == "close")
        modal->close();
    else
        press(modal, how);
}

QString enterPair(QWidget* editor, const QString& key, const QString& value, const QString& how)
{
    QString opening = "<not opened>";
    whenModal(
        [&](QWidget* modal) {
            opening = modal->windowTitle() + '|' + QApplication::focusWidget()->objectName() + '|' +
                      find<QLineEdit>(modal, "txtKey")->text();
            fill(modal, {"txtKey=" + key, "txtValue=" + value});
            end(modal, how);
        },
        editor);
    press(editor, "cmdAdd");
    return opening;
}

} // namespace Ui
