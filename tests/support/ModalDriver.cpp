#include "ModalDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

void ModalDriver::whenModal(std::function<void(QWidget*)> action, QWidget* besides)
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

void ModalDriver::press(QWidget* root, const QString& name)
{
    if (auto* button = root->findChild<QAbstractButton*>(name))
        button->click();
    else
        QTest::qFail(qPrintable("no button " + name), __FILE__, __LINE__);
}

void ModalDriver::fill(QWidget* root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString name = entry.section(u'=', 0, 0);
        const QString value = entry.section(u'=', 1);
        if (auto* field = root->findChild<QLineEdit*>(name))
            field->setText(value);
        else if (auto* list = root->findChild<QComboBox*>(name))
            list->setCurrentIndex(value.toInt());
        else if (auto* button = root->findChild<QAbstractButton*>(name))
            button->isCheckable() ? button->setChecked(true) : button->click();
        else if (auto* action = root->findChild<QAction*>(name))
            action->trigger();
        else
            QTest::qFail(qPrintable("no control " + name), __FILE__, __LINE__);
    }
}

void ModalDriver::end(QWidget* modal, const QString& how)
{
    if (how == "esc" || how == "enter")
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                        how == "esc" ? Qt::Key_Escape : Qt::Key_Return);
    else if (how == "close")
        modal->close();
    else
        press(modal, how);
}

QString ModalDriver::enterPair(QWidget* editor, const QString& key, const QString& value, const QString& how)
{
    QString opening = QStringLiteral("<not opened>");
    whenModal(
        [&](QWidget* modal) {
            opening = modal->windowTitle() + '|' + QApplication::focusWidget()->objectName() + '|' +
                      modal->findChild<QLineEdit*>(QStringLiteral("txtKey"))->text();
            fill(modal, {"txtKey=" + key, "txtValue=" + value});
            end(modal, how);
        },
        editor);
    press(editor, QStringLiteral("cmdAdd"));
    return opening;
}
