#include "clsAlert.h"
#include "clsTransition.h"
#include "ErrorRecorder.h"
#include "frmAlert.h"
#include "frmTrans.h"
#include "ModalDriver.h"

#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

// The pair list as the transition and the alert editor show it.
class tst_PairListEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { dialog.reset(); }
    void keyValueDialog_data();
    void keyValueDialog();
    void presets_data();
    void presets();
    void removeSecondOfThree_data() { editors(); }
    void removeSecondOfThree();
    void rightClickOpensMenu_data() { editors(); }
    void rightClickOpensMenu();

private:
    void editors();
    QStringList rows() const;
    QStringList modelPairs() const;

    std::unique_ptr<QDialog> dialog;
    QTreeWidget* list = nullptr;
};

void tst_PairListEditor::editors()
{
    QTest::addColumn<bool>("isAlert");
    QTest::newRow("transition") << false;
    QTest::newRow("alert") << true;
}

void tst_PairListEditor::init()
{
    const bool isAlert = QTest::currentDataTag() && QByteArray(QTest::currentDataTag()).startsWith("alert");
    if (isAlert)
        dialog = std::make_unique<frmAlert>(nullptr, nullptr);
    else
        dialog = std::make_unique<frmTrans>(nullptr, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    list = dialog->findChild<QTreeWidget*>("lv1");
}

QStringList tst_PairListEditor::rows() const
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1);
    return out;
}

QStringList tst_PairListEditor::modelPairs() const
{
    const auto* alert = qobject_cast<frmAlert*>(dialog.get());
    const PairList& pairs =
        alert ? alert->alert()->buttons() : qobject_cast<frmTrans*>(dialog.get())->transition()->properties();
    QStringList out;
    for (const clsData& pair : pairs)
        out << pair.clsKey() + '|' + pair.clsValue();
    return out;
}

void tst_PairListEditor::keyValueDialog_data()
{
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("transition") << "Property Name|Property ID"
                                << "x"
                                << "100";
    // The key field becomes the button's caption, the value field its id.
    QTest::newRow("alert") << "Button Name|Button ID"
                           << "Yes"
                           << "btnYes";
}

void tst_PairListEditor::keyValueDialog()
{
    QFETCH(QString, headers);
    QFETCH(QString, key);
    QFETCH(QString, value);
    ErrorRecorder errors;
    QCOMPARE(list->headerItem()->text(0) + '|' + list->headerItem()->text(1), headers);
    const QStringList one{key + '|' + value};
    QCOMPARE(ModalDriver::enterPair(dialog.get(), key, value), QString());
    QCOMPARE(rows(), one);
    QCOMPARE(modelPairs(), one);
    // Each use shows a new, empty dialog; a cancelled one adds nothing.
    QCOMPARE(ModalDriver::enterPair(dialog.get(), "other", "2", "cmdCancel"), QString());
    QCOMPARE(rows(), one);
    QVERIFY(errors.reported.isEmpty());
    // A key in use, in any letter case, is refused by the model; the list stays.
    ModalDriver::enterPair(dialog.get(), key.toUpper(), "3");
    QCOMPARE(errors.reported.size(), 1);
    QCOMPARE(rows(), one);
    QCOMPARE(modelPairs(), one);
}

void tst_PairListEditor::presets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("transition Position") << "mnuPos" << QStringList{"x|change_this", "y|change_this"};
    QTest::newRow("transition Visibility") << "mnuVis" << QStringList{"alpha|change_this"};
    QTest::newRow("transition Pos+Visibility")
        << "mnuPosVis" << QStringList{"x|change_this", "y|change_this", "alpha|change_this"};
    QTest::newRow("alert OK") << "mnuOKButton" << QStringList{"OK|btnOK"};
    QTest::newRow("alert OK, Cancel") << "mnuOKCancel" << QStringList{"OK|btnOK", "Cancel|btnCancel"};
}

void tst_PairListEditor::presets()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    for (const char* key : {"x", "rotation", "alpha"})
        ModalDriver::enterPair(dialog.get(), key, "1");
    QCOMPARE(list->topLevelItemCount(), 3);
    ModalDriver::fill(dialog.get(), {entry});
    QCOMPARE(rows(), expected);
    QCOMPARE(modelPairs(), expected);
    QVERIFY(!dialog->findChild<QPushButton*>("cmdRem")->isEnabled());
}

void tst_PairListEditor::removeSecondOfThree()
{
    auto* rem = dialog->findChild<QPushButton*>("cmdRem");
    for (const char* key : {"a", "b", "c"})
        ModalDriver::enterPair(dialog.get(), key, "1");
    QVERIFY(!rem->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(1)).center());
    QVERIFY(rem->isEnabled());
    QTest::mouseClick(rem, Qt::LeftButton);
    QCOMPARE(rows(), (QStringList{"a|1", "c|1"}));
    QCOMPARE(modelPairs(), (QStringList{"a|1", "c|1"}));
    QVERIFY(!rem->isEnabled());
}

void tst_PairListEditor::rightClickOpensMenu()
{
    auto* menu = dialog->findChild<QMenu*>("mnuPopup");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("popup"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

QTEST_MAIN(tst_PairListEditor)
#include "tst_PairListEditor.moc"
