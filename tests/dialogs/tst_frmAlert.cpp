#include "clsAlert.h"
#include "ErrorRecorder.h"
#include "frmAlert.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList rows(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1);
    return out;
}
} // namespace

class tst_frmAlert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void checks_data();
    void checks();
    void keyBecomesCaption();
    void duplicateCaptionRefused();
    void presets_data();
    void presets();
    void closingAddsNothing_data();
    void closingAddsNothing();

private:
    std::unique_ptr<RecordingSink> sink;
    std::unique_ptr<frmAlert> dialog;
    QTreeWidget* list = nullptr;
    void type(const char* name, const QString& text) { ModalDriver::type(dialog.get(), name, text); }
};

void tst_frmAlert::init()
{
    MessageBox::setRecording(true);
    sink = std::make_unique<RecordingSink>();
    dialog = std::make_unique<frmAlert>(nullptr, sink.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    list = dialog->findChild<QTreeWidget*>("lv1");
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Button Name"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Button ID"));
}

void tst_frmAlert::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("button");
    QTest::addColumn<QString>("text"); // "" when OK is accepted
    QTest::addColumn<QString>("focus");
    const QString noName = "The variable name cannot be left blank";
    QTest::newRow("fresh") << ""
                           << "" << false << noName << "txtVarName";
    QTest::newRow("name first") << ""
                                << "m" << true << noName << "txtVarName";
    QTest::newRow("no message") << "a"
                                << "" << false << "The message text cannot be left blank"
                                << "txtMsg";
    QTest::newRow("no button") << "a"
                               << "m" << false << "Atleast one button needs to be created"
                               << "cmdAdd";
    QTest::newRow("blanks pass") << " "
                                 << "  " << true << ""
                                 << "";
}

void tst_frmAlert::checks()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(bool, button);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    type("txtVarName", name);
    type("txtMsg", message);
    if (button)
        dialog->findChild<QAction*>("mnuOKButton")->trigger();
    ModalDriver::press(dialog.get(), "cmdOK");
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    if (text.isEmpty()) {
        QCOMPARE(shown.size(), 0);
        QCOMPARE(sink->objects.size(), size_t(1));
        auto* alert = sink->last<clsAlert>();
        QCOMPARE(alert->varName(), name);
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->title(), QString());
        return;
    }
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("Missing Data"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(shown[0].text, text);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(sink->objects.empty());
}

void tst_frmAlert::keyBecomesCaption()
{
    ModalDriver::enterPair(dialog.get(), "Yes", "btnYes");
    QCOMPARE(rows(list), QStringList{"Yes|btnYes"});
    const clsData& button = dialog->alert()->buttons().at(1);
    QCOMPARE(button.clsKey(), QStringLiteral("Yes"));
    QCOMPARE(button.clsValue(), QStringLiteral("btnYes"));
}

void tst_frmAlert::duplicateCaptionRefused()
{
    ErrorRecorder errors;
    dialog->findChild<QAction*>("mnuOKCancel")->trigger();
    ModalDriver::enterPair(dialog.get(), "cancel", "btnOther");
    QCOMPARE(errors.reported.size(), 1);
    QCOMPARE(rows(list), (QStringList{"OK|btnOK", "Cancel|btnCancel"}));
    QCOMPARE(dialog->alert()->buttonsCount(), 2);
}

void tst_frmAlert::presets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("OK") << "mnuOKButton" << QStringList{"OK|btnOK"};
    QTest::newRow("OK, Cancel") << "mnuOKCancel" << QStringList{"OK|btnOK", "Cancel|btnCancel"};
}

void tst_frmAlert::presets()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    for (const char* caption : {"Yes", "No", "Maybe"})
        ModalDriver::enterPair(dialog.get(), caption, "id");
    QCOMPARE(list->topLevelItemCount(), 3);
    dialog->findChild<QAction*>(entry)->trigger();
    QCOMPARE(rows(list), expected);
    QCOMPARE(dialog->alert()->buttonsCount(), expected.size());
    QVERIFY(!dialog->findChild<QPushButton*>("cmdRem")->isEnabled());
}

void tst_frmAlert::closingAddsNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void tst_frmAlert::closingAddsNothing()
{
    QFETCH(bool, closeBox);
    type("txtVarName", "a");
    type("txtMsg", "m");
    ModalDriver::enterPair(dialog.get(), "Yes", "btnYes");
    if (closeBox)
        dialog->close();
    else
        ModalDriver::press(dialog.get(), "cmdCancel");
    QVERIFY(dialog->isHidden());
    QVERIFY(sink->objects.empty());
}

QTEST_MAIN(tst_frmAlert)
#include "tst_frmAlert.moc"
