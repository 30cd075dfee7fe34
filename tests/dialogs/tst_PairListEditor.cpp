#include "clsAlert.h"
#include "clsTransition.h"
#include "ErrorBox.h"
#include "ErrorHook.h"
#include "frmAlert.h"
#include "frmTrans.h"
#include "Golden.h"
#include "MessageBox.h"
#include "Ui.h"

#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

// The pair list of the transition and the alert editor, and its key/value dialog.
class tst_PairListEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void keyValueDialog_data();
    void keyValueDialog();
    void endings_data();
    void endings();
    void presets_data();
    void presets();
    void focusAfterRemoval_data();
    void focusAfterRemoval();

private:
    QStringList rows() const;

    std::unique_ptr<QDialog> dialog;
    QTreeWidget* list = nullptr;
};

void tst_PairListEditor::init()
{
    if (QByteArray(QTest::currentDataTag()).startsWith("alert"))
        dialog = std::make_unique<frmAlert>(nullptr, nullptr);
    else
        dialog = std::make_unique<frmTrans>(nullptr, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    list = dialog->findChild<QTreeWidget*>("lv1");
}

// The rows shown, as "key|value", provided the model holds the same pairs.
QStringList tst_PairListEditor::rows() const
{
    QStringList shown, held;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        shown << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1);
    const auto* alert = qobject_cast<frmAlert*>(dialog.get());
    for (const clsData& pair : alert ? alert->alert()->buttons()
                                     : qobject_cast<frmTrans*>(dialog.get())->transition()->properties())
        held << pair.clsKey() + '|' + pair.clsValue();
    return shown == held ? shown : QStringList{"list and model differ"};
}

void tst_PairListEditor::keyValueDialog_data()
{
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // The key field becomes the button's caption, the value field its id.
    // clang-format off
    QTest::newRow("transition") << "Property Name|Property ID" << "x" << "100";
    QTest::newRow("alert")      << "Button Name|Button ID"     << "Yes" << "btnYes";
    // clang-format on
}

void tst_PairListEditor::keyValueDialog()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    MessageBox::setRecording(true);
    ErrorBox::install();
    QTEST(list->headerItem()->text(0) + '|' + list->headerItem()->text(1), "headers");
    const QStringList one{key + '|' + value};
    QCOMPARE(Ui::enterPair(dialog.get(), key, value), QStringLiteral("Add Data|txtKey|"));
    QCOMPARE(rows(), one);
    // A key in use, in any letter case, is refused by the model in an error box; the list stays.
    QCOMPARE(Ui::enterPair(dialog.get(), key.toUpper(), "3"), QStringLiteral("Add Data|txtKey|"));
    ErrorHook::set({});
    QCOMPARE(rows(), one);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("Error Occured"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(shown[0].text,
             QStringLiteral("This key is already associated with an element of this collection"));
}

void tst_PairListEditor::endings_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("added");
    for (const QStringList& row : Golden::rows("dialogs/golden/PairEndings.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row.value(1) << (row.value(2) == "added");
}

void tst_PairListEditor::endings()
{
    QFETCH(QString, how);
    QFETCH(bool, added);
    QCOMPARE(Ui::enterPair(dialog.get(), "k", "v", how), QStringLiteral("Add Data|txtKey|"));
    QCOMPARE(rows(), added ? QStringList{"k|v"} : QStringList{});
}

void tst_PairListEditor::presets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption"); // in the list's right-click menu
    QTest::addColumn<QStringList>("expected");
    for (const QStringList& row : Golden::rows("dialogs/golden/Presets.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row.value(1) << row.value(2) << row.value(3).split("; ");
}

// Chosen from the list's right-click menu, a preset replaces whatever the list held.
void tst_PairListEditor::presets()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    for (const char* key : {"x", "rotation", "alpha"})
        Ui::enterPair(dialog.get(), key, "1");
    QCOMPARE(list->topLevelItemCount(), 3);
    auto* menu = Ui::find<QMenu>(dialog.get(), "mnuPopup");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    QAction* chosen = Ui::find<QAction>(dialog.get(), entry);
    QVERIFY(menu->actions().contains(chosen));
    QCOMPARE(menu->actions().size(), QByteArray(QTest::currentDataTag()).startsWith("alert") ? 2 : 3);
    QTEST(chosen->text(), "caption");
    menu->hide();
    chosen->trigger();
    QCOMPARE(rows(), expected);
}

void tst_PairListEditor::focusAfterRemoval_data()
{
    QTest::addColumn<int>("rows"); // the second row, if any, is removed, else the first
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("focus");
    for (const QStringList& row : Golden::rows("dialogs/golden/PairRemovals.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << row.value(1).toInt() << row.value(2).split(' ', Qt::SkipEmptyParts) << row.value(3);
}

// "-" pressed from the keyboard disables itself; the next Enter must not reach Cancel.
void tst_PairListEditor::focusAfterRemoval()
{
    QFETCH(int, rows);
    MessageBox::setRecording(true);
    auto* rem = dialog->findChild<QPushButton*>("cmdRem");
    for (int i = 0; i < rows; ++i)
        Ui::enterPair(dialog.get(), QString::number(i), "1");
    QVERIFY(!rem->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(rows > 1 ? 1 : 0)).center());
    rem->setFocus();
    QTest::keyClick(rem, Qt::Key_Space);
    QTEST(this->rows(), "left");
    QVERIFY(!rem->isEnabled());
    // The dialog's own focus widget: a nested dialog that closed need not hand activation back.
    QTEST(dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString(), "focus");
    // Enter now opens the key/value dialog from "+", or goes to OK from the list, whose checks
    // keep the dialog and its list; neither throws the editor away.
    QString opened;
    if (list->topLevelItemCount() == 0)
        Ui::whenModal(
            [&](QWidget* modal) {
                opened = modal->windowTitle();
                Ui::end(modal, "cmdCancel");
            },
            dialog.get());
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(opened.isEmpty() ? MessageBox::takeShown().size() : 1, 1);
    QCOMPARE(opened, list->topLevelItemCount() == 0 ? QStringLiteral("Add Data") : QString());
    QCOMPARE(list->topLevelItemCount(), rows - 1);
}

QTEST_MAIN(tst_PairListEditor)
#include "tst_PairListEditor.moc"
