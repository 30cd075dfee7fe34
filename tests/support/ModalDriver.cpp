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
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, besides, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != besides && modal->isVisible() && modal->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
            QTest::qFail("no modal dialog opened", __FILE__, __LINE__);
        }
    });
    timer->start(10);
}

void ModalDriver::press(QWidget* root, const QString& name)
{
    auto* button = root->findChild<QAbstractButton*>(name);
    if (!button) {
        QTest::qFail(qPrintable(QStringLiteral("no button ") + name), __FILE__, __LINE__);
        return;
    }
    button->click();
}

void ModalDriver::type(QWidget* root, const QString& name, const QString& text)
{
    auto* field = root->findChild<QLineEdit*>(name);
    if (!field) {
        QTest::qFail(qPrintable(QStringLiteral("no text field ") + name), __FILE__, __LINE__);
        return;
    }
    field->setText(text);
}

QString ModalDriver::enterPair(QWidget* editor, const QString& key, const QString& value,
                               const QString& button)
{
    QString keyAtOpening = QStringLiteral("<not opened>");
    whenModal(
        [&](QWidget* modal) {
            if (auto* field = modal->findChild<QLineEdit*>(QStringLiteral("txtKey")))
                keyAtOpening = field->text();
            type(modal, QStringLiteral("txtKey"), key);
            type(modal, QStringLiteral("txtValue"), value);
            press(modal, button);
        },
        editor);
    press(editor, QStringLiteral("cmdAdd"));
    return keyAtOpening;
}

void ModalDriver::fill(QWidget* root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? entry : entry.left(eq);
        const QString value = eq < 0 ? QString() : entry.mid(eq + 1);
        if (auto* field = root->findChild<QLineEdit*>(name))
            field->setText(value);
        else if (auto* list = root->findChild<QComboBox*>(name))
            list->setCurrentIndex(value.toInt());
        else if (auto* button = root->findChild<QAbstractButton*>(name))
            button->isCheckable() ? button->setChecked(true) : button->click();
        else if (auto* action = root->findChild<QAction*>(name))
            action->trigger();
        else
            QTest::qFail(qPrintable(QStringLiteral("no control ") + name), __FILE__, __LINE__);
    }
}
