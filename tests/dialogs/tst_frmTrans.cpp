#include "clsTransition.h"
#include "ErrorRecorder.h"
#include "frmTrans.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList rows(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + QLatin1Char('=') + list->topLevelItem(i)->text(1);
    return out;
}

QStringList pairs(const PairList& list)
{
    QStringList out;
    for (const clsData& pair : list)
        out << pair.clsKey() + QLatin1Char('=') + pair.clsValue();
    return out;
}

} // namespace

class tst_frmTrans : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void opensEmpty();
    void checks_data();
    void checks();
    void stored_data();
    void stored();
    void keyValueDialogAddsProperty();
    void duplicateNameRefused();
    void presets_data();
    void presets();
    void removeSecondOfThree();
    void rightClickOpensMenu();
    void closingAddsNothing_data();
    void closingAddsNothing();

private:
    std::unique_ptr<RecordingSink> sink;
    std::unique_ptr<frmTrans> dialog;
    QTreeWidget* list = nullptr;
    void type(const char* name, const QString& text) { ModalDriver::type(dialog.get(), name, text); }
};

void tst_frmTrans::init()
{
    MessageBox::setRecording(true);
    sink = std::make_unique<RecordingSink>();
    dialog = std::make_unique<frmTrans>(nullptr, sink.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    list = dialog->findChild<QTreeWidget*>("lv1");
}

void tst_frmTrans::opensEmpty()
{
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Transitions"));
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    QVERIFY(dialog->findChild<QRadioButton*>("optTo")->isChecked());
    QVERIFY(!dialog->findChild<QRadioButton*>("optFrom")->isChecked());
    QCOMPARE(list->topLevelItemCount(), 0);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Property Name"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Property ID"));
    QVERIFY(!dialog->findChild<QPushButton*>("cmdRem")->isEnabled());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtVarName"));
}

void tst_frmTrans::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noName = "The variable name cannot be left blank";
    const QString noDuration = "The duration has to be a number";
    QTest::newRow("fresh") << ""
                           << ""
                           << "" << noName << "txtVarName";
    QTest::newRow("name before duration") << ""
                                          << "abc"
                                          << "" << noName << "txtVarName";
    QTest::newRow("empty duration") << "t"
                                    << ""
                                    << "" << noDuration << "txtDuration";
    QTest::newRow("zero") << "t"
                          << "0"
                          << "" << noDuration << "txtDuration";
    QTest::newRow("negative") << "t"
                              << "-5"
                              << "" << noDuration << "txtDuration";
    QTest::newRow("letters") << "t"
                             << "abc"
                             << "" << noDuration << "txtDuration";
    QTest::newRow("duration too big") << "t"
                                      << "3e9"
                                      << ""
                                      << "The duration is out of range"
                                      << "txtDuration";
    QTest::newRow("duration just too big") << "t"
                                           << "2147483647.5"
                                           << "-3e9"
                                           << "The duration is out of range"
                                           << "txtDuration";
    QTest::newRow("delay too small") << "t"
                                     << "5"
                                     << "-2147483649"
                                     << "The delay is out of range"
                                     << "txtDelay";
}

void tst_frmTrans::checks()
{
    QFETCH(QString, name);
    QFETCH(QString, duration);
    QFETCH(QString, delay);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    type("txtVarName", name);
    type("txtDuration", duration);
    type("txtDelay", delay);
    ModalDriver::press(dialog.get(), "cmdOK");
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("Missing Data"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(shown[0].text, message);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(dialog->isVisible());
    QVERIFY(sink->objects.empty());
}

void tst_frmTrans::stored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<bool>("from");
    QTest::addColumn<int>("storedDuration");
    QTest::addColumn<int>("storedDelay");
    QTest::newRow("trailing letters") << "t"
                                      << "12abc"
                                      << "" << false << 12 << 0;
    QTest::newRow("blank inside") << "t"
                                  << "1 500"
                                  << "-250" << true << 1500 << -250;
    QTest::newRow("below a half") << "t"
                                  << "0.4"
                                  << "7" << false << 0 << 7;
    QTest::newRow("half to even down") << " "
                                       << "2.5"
                                       << "abc" << false << 2 << 0;
    QTest::newRow("half to even up") << "t"
                                     << "3.5"
                                     << "" << true << 4 << 0;
    QTest::newRow("largest") << "t"
                             << "2147483647"
                             << "-2147483648" << false << 2147483647 << int(-2147483647 - 1);
}

void tst_frmTrans::stored()
{
    QFETCH(QString, name);
    QFETCH(QString, duration);
    QFETCH(QString, delay);
    QFETCH(bool, from);
    QFETCH(int, storedDuration);
    QFETCH(int, storedDelay);
    type("txtVarName", name);
    type("txtDuration", duration);
    type("txtDelay", delay);
    type("txtOnStart", "go");
    dialog->findChild<QRadioButton*>(from ? "optFrom" : "optTo")->setChecked(true);
    // Enter in a field acts as OK.
    QTest::keyClick(dialog->findChild<QLineEdit*>("txtOnComplete"), Qt::Key_Return);
    QCOMPARE(MessageBox::takeShown().size(), 0);
    QVERIFY(dialog->isHidden());
    QCOMPARE(sink->objects.size(), size_t(1));
    auto* t = sink->last<clsTransition>();
    QVERIFY(t);
    QCOMPARE(t->varName(), name);
    QCOMPARE(t->duration(), storedDuration);
    QCOMPARE(t->delay(), storedDelay);
    QCOMPARE(t->onStart(), QStringLiteral("go"));
    QCOMPARE(t->onComplete(), QString());
    QCOMPARE(t->transitionDirection(), from ? 1 : 0);
    QVERIFY(!dialog->transition());
}

void tst_frmTrans::keyValueDialogAddsProperty()
{
    QCOMPARE(ModalDriver::enterPair(dialog.get(), "x", "100"), QString());
    QCOMPARE(rows(list), QStringList{"x=100"});
    // A second use shows a new, empty dialog; a cancelled one adds nothing.
    QCOMPARE(ModalDriver::enterPair(dialog.get(), "y", "5", "cmdCancel"), QString());
    QCOMPARE(rows(list), QStringList{"x=100"});
    QCOMPARE(pairs(dialog->transition()->properties()), QStringList{"x=100"});
    type("txtVarName", "t");
    type("txtDuration", "500");
    ModalDriver::press(dialog.get(), "cmdOK");
    QVERIFY(sink->last<clsTransition>()->codeSnippet().value_or(QString()).contains("x=100"));
}

void tst_frmTrans::duplicateNameRefused()
{
    ErrorRecorder errors;
    ModalDriver::enterPair(dialog.get(), "alpha", "1");
    ModalDriver::enterPair(dialog.get(), "ALPHA", "2");
    QCOMPARE(errors.reported.size(), 1);
    QCOMPARE(rows(list), QStringList{"alpha=1"});
    QCOMPARE(pairs(dialog->transition()->properties()), QStringList{"alpha=1"});
}

void tst_frmTrans::presets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Position") << "mnuPos" << QStringList{"x=change_this", "y=change_this"};
    QTest::newRow("Visibility") << "mnuVis" << QStringList{"alpha=change_this"};
    QTest::newRow("Pos+Visibility") << "mnuPosVis"
                                    << QStringList{"x=change_this", "y=change_this", "alpha=change_this"};
}

void tst_frmTrans::presets()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    // Whatever was there, from "+" or an earlier preset, is replaced.
    dialog->findChild<QAction*>("mnuPosVis")->trigger();
    for (const char* key : {"rotation", "xScale"})
        ModalDriver::enterPair(dialog.get(), key, "2");
    QCOMPARE(list->topLevelItemCount(), 5);
    auto* action = dialog->findChild<QAction*>(entry);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(rows(list), expected);
    QCOMPARE(pairs(dialog->transition()->properties()), expected);
}

void tst_frmTrans::removeSecondOfThree()
{
    auto* rem = dialog->findChild<QPushButton*>("cmdRem");
    dialog->findChild<QAction*>("mnuPosVis")->trigger();
    QVERIFY(!rem->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(1)).center());
    QVERIFY(rem->isEnabled());
    QTest::mouseClick(rem, Qt::LeftButton);
    QCOMPARE(rows(list), (QStringList{"x=change_this", "alpha=change_this"}));
    QCOMPARE(pairs(dialog->transition()->properties()), (QStringList{"x=change_this", "alpha=change_this"}));
    QVERIFY(!rem->isEnabled());
}

void tst_frmTrans::rightClickOpensMenu()
{
    auto* menu = dialog->findChild<QMenu*>("mnuPopup");
    QVERIFY(menu);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

void tst_frmTrans::closingAddsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void tst_frmTrans::closingAddsNothing()
{
    QFETCH(QString, how);
    type("txtVarName", "t");
    type("txtDuration", "500");
    dialog->findChild<QAction*>("mnuPos")->trigger();
    ModalDriver::enterPair(dialog.get(), "alpha", "0");
    if (how == "cancel")
        ModalDriver::press(dialog.get(), "cmdCancel");
    else if (how == "esc")
        QTest::keyClick(dialog->findChild<QLineEdit*>("txtDuration"), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(dialog->isHidden());
    QVERIFY(sink->objects.empty());
}

QTEST_MAIN(tst_frmTrans)
#include "tst_frmTrans.moc"
