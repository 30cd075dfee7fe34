#include "Editors.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Opener = std::function<void(QWidget*, ObjectSink*)>;
Q_DECLARE_METATYPE(Opener)

class tst_Editors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyOpeningStartsEmpty_data();
    void everyOpeningStartsEmpty();
};

void tst_Editors::everyOpeningStartsEmpty_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<QString>("objType");
    QTest::newRow("display") << Opener(Editors::openDisplay) << "frmDisplay"
                             << "Display";
    QTest::newRow("alert") << Opener(Editors::openAlert) << "frmAlert"
                           << "Alert";
    QTest::newRow("transition") << Opener(Editors::openTransition) << "frmTrans"
                                << "Transition";
}

// Fills an editor so that OK is accepted, touching every kind of control it has.
static void fillEverything(QWidget* d)
{
    for (QLineEdit* field : d->findChildren<QLineEdit*>())
        field->setText(QStringLiteral("7"));
    if (auto* kind = d->findChild<QComboBox*>("cboObject"))
        kind->setCurrentIndex(3);
    if (auto* point = d->findChild<QComboBox*>("cboReference"))
        point->setCurrentIndex(4);
    for (QCheckBox* box : d->findChildren<QCheckBox*>())
        box->setChecked(true);
    if (auto* from = d->findChild<QRadioButton*>("optFrom"))
        from->setChecked(true);
    for (const char* preset : {"mnuOKCancel", "mnuPosVis"}) {
        if (auto* action = d->findChild<QAction*>(preset))
            action->trigger();
    }
}

static QStringList leftovers(QWidget* d)
{
    QStringList found;
    for (QLineEdit* field : d->findChildren<QLineEdit*>()) {
        if (!field->text().isEmpty())
            found << field->objectName();
    }
    for (QComboBox* list : d->findChildren<QComboBox*>()) {
        if (list->currentIndex() != -1)
            found << list->objectName();
    }
    for (QCheckBox* box : d->findChildren<QCheckBox*>()) {
        if (box->isChecked())
            found << box->objectName();
    }
    if (auto* from = d->findChild<QRadioButton*>("optFrom"); from && from->isChecked())
        found << from->objectName();
    if (auto* list = d->findChild<QTreeWidget*>("lv1"); list && list->topLevelItemCount() > 0)
        found << list->objectName();
    return found;
}

void tst_Editors::everyOpeningStartsEmpty()
{
    QFETCH(Opener, open);
    QFETCH(QString, dialogName);
    QFETCH(QString, objType);
    MessageBox::setRecording(true);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    for (const char* ending : {"cmdOK", "cmdCancel", "cmdOK"}) {
        QString name;
        QWidget* parent = nullptr;
        QStringList notEmpty{"<not opened>"};
        // Check after the dialog has closed: a failed check inside would leave it open.
        ModalDriver::whenModal([&](QWidget* modal) {
            name = modal->objectName();
            parent = modal->parentWidget();
            notEmpty = leftovers(modal);
            fillEverything(modal);
            ModalDriver::press(modal, ending);
        });
        open(&owner, &sink);
        QCOMPARE(name, dialogName);
        QCOMPARE(parent, &owner);
        QCOMPARE(notEmpty, QStringList());
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }
    QCOMPARE(sink.objects.size(), size_t(2));
    for (const auto& object : sink.objects)
        QCOMPARE(object->ObjType(), objType);
    QVERIFY(sink.objects[0].get() != sink.objects[1].get());
}

QTEST_MAIN(tst_Editors)
#include "tst_Editors.moc"
