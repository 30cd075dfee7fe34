#include "Editors.h"
#include "frmAlert.h"
#include "frmData.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Opener = std::function<void(QWidget*, ObjectSink*)>;
Q_DECLARE_METATYPE(Opener)

namespace {

const Opener display = Editors::openDisplay;
const Opener alert = Editors::openAlert;
const Opener transition = Editors::openTransition;

// What a user may leave behind in an editor; an opening must show none of it.
QStringList leftovers(QWidget* d)
{
    QStringList found;
    for (QLineEdit* field : d->findChildren<QLineEdit*>())
        if (!field->text().isEmpty())
            found << field->objectName();
    for (QComboBox* list : d->findChildren<QComboBox*>())
        if (list->currentIndex() != -1)
            found << list->objectName();
    for (QCheckBox* box : d->findChildren<QCheckBox*>())
        if (box->isChecked())
            found << box->objectName();
    if (auto* from = d->findChild<QRadioButton*>("optFrom"); from && from->isChecked())
        found << from->objectName();
    if (auto* list = d->findChild<QTreeWidget*>("lv1"); list && list->topLevelItemCount() > 0)
        found << list->objectName();
    return found;
}

struct Outcome
{
    QString dialog;
    QWidget* parent = nullptr;
    QStringList leftovers{"<not opened>"};
    QString focus;
};

// Opens the editor as the main window does, fills it, ends it with `ending` ("cmdOK",
// "cmdCancel", "esc", "enter", "close") and reports what was seen. Checks run after the
// dialog has closed, since a failed check inside would leave it open.
Outcome run(const Opener& open, QWidget* owner, ObjectSink* sink, const QStringList& entries,
            const QString& ending, const QStringList& pairs = {})
{
    Outcome seen;
    ModalDriver::whenModal([&](QWidget* modal) {
        seen.dialog = modal->objectName();
        seen.parent = modal->parentWidget();
        seen.leftovers = leftovers(modal);
        ModalDriver::fill(modal, entries);
        for (const QString& key : pairs)
            ModalDriver::enterPair(modal, key, "1");
        QWidget* field = modal->findChild<QLineEdit*>("txtVarName");
        if (ending == "esc")
            QTest::keyClick(field, Qt::Key_Escape);
        else if (ending == "enter")
            QTest::keyClick(field, Qt::Key_Return);
        else if (ending == "close")
            modal->close();
        else
            ModalDriver::press(modal, ending);
        if (modal->isVisible()) { // refused: note where the focus went, then leave
            seen.focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
            ModalDriver::press(modal, "cmdCancel");
        }
    });
    open(owner, sink);
    return seen;
}

} // namespace

class tst_Editors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::setRecording(true); }
    void checks_data();
    void checks();
    void closingAddsNothing_data();
    void closingAddsNothing();
    void everyOpeningStartsEmpty_data();
    void everyOpeningStartsEmpty();
    void layout_data();
    void layout();
};

void tst_Editors::checks_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noName = "The variable name cannot be left blank";
    const QString noDuration = "The duration has to be a number";

    QTest::newRow("display fresh") << display << QStringList{} << noName << "txtVarName";
    QTest::newRow("display no kind") << display << QStringList{"txtVarName=a", "txtX=1"}
                                     << "Please select a valid display object"
                                     << "cboObject";
    QTest::newRow("display x empty") << display << QStringList{"txtVarName=a", "cboObject=4", "txtY=1"}
                                     << "The x position has to be a number"
                                     << "txtX";
    QTest::newRow("display y text") << display
                                    << QStringList{"txtVarName=a", "cboObject=4", "txtX=1", "txtY=1a"}
                                    << "The y position has to be a number"
                                    << "txtY";
    QTest::newRow("display radius out of range")
        << display << QStringList{"txtVarName=a", "cboObject=4", "txtX=1", "txtY=1", "txtWidth=1e10"}
        << "The width is out of range"
        << "txtWidth";

    QTest::newRow("transition fresh") << transition << QStringList{} << noName << "txtVarName";
    QTest::newRow("transition no duration")
        << transition << QStringList{"txtVarName=t"} << noDuration << "txtDuration";
    for (const char* duration : {"0", "-5", "abc"})
        QTest::addRow("transition duration %s", duration)
            << transition << QStringList{"txtVarName=t", QStringLiteral("txtDuration=") + duration}
            << noDuration << "txtDuration";
    QTest::newRow("transition duration out of range")
        << transition << QStringList{"txtVarName=t", "txtDuration=2147483647.5"}
        << "The duration is out of range"
        << "txtDuration";
    QTest::newRow("transition delay out of range")
        << transition << QStringList{"txtVarName=t", "txtDuration=5", "txtDelay=-3e9"}
        << "The delay is out of range"
        << "txtDelay";

    QTest::newRow("alert fresh") << alert << QStringList{"mnuOKButton"} << noName << "txtVarName";
    QTest::newRow("alert no message")
        << alert << QStringList{"txtVarName=a"} << "The message text cannot be left blank"
        << "txtMsg";
    QTest::newRow("alert no button") << alert << QStringList{"txtVarName=a", "txtMsg=m"}
                                     << "Atleast one button needs to be created"
                                     << "cmdAdd";
}

void tst_Editors::checks()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    const Outcome seen = run(open, &owner, &sink, entries, "cmdOK");
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("Missing Data"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(shown[0].text, message);
    QCOMPARE(seen.focus, focus);
    QVERIFY(sink.objects.empty());
}

void tst_Editors::closingAddsNothing_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("ending");
    const QStringList validDisplay{"txtVarName=a", "cboObject=2", "txtX=1", "txtY=2", "chkBegan"};
    const QStringList validTransition{"txtVarName=t", "txtDuration=5", "mnuPos"};
    const QStringList validAlert{"txtVarName=a", "txtMsg=m", "mnuOKButton"};
    for (const char* ending : {"cmdCancel", "esc", "close"}) {
        QTest::addRow("display %s", ending) << display << validDisplay << ending;
        QTest::addRow("transition %s", ending) << transition << validTransition << ending;
        QTest::addRow("alert %s", ending) << alert << validAlert << ending;
    }
}

void tst_Editors::closingAddsNothing()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, entries);
    QFETCH(QString, ending);
    RecordingSink sink;
    const bool hasPairs = entries.contains("mnuPos") || entries.contains("mnuOKButton");
    run(open, nullptr, &sink, entries, ending, hasPairs ? QStringList{"more"} : QStringList{});
    QVERIFY(sink.objects.empty());
    QVERIFY(MessageBox::takeShown().isEmpty());
    // The same input is accepted by OK and by Enter.
    for (const char* accept : {"cmdOK", "enter"})
        run(open, nullptr, &sink, entries, accept);
    QCOMPARE(sink.objects.size(), size_t(2));
}

void tst_Editors::everyOpeningStartsEmpty_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<QString>("objType");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("display") << display << "frmDisplay"
                             << "Display" << QStringList{"txtVarName=a",  "cboObject=3", "cboReference=4",
                                                         "txtX=1",        "txtY=1",      "txtParentGroup=g",
                                                         "txtFilename=f", "chkMoved",    "chkCancelled"};
    QTest::newRow("alert") << alert << "frmAlert"
                           << "Alert" << QStringList{"txtVarName=a", "txtTitle=t", "txtMsg=m", "mnuOKCancel"};
    QTest::newRow("transition") << transition << "frmTrans"
                                << "Transition"
                                << QStringList{"txtVarName=t", "txtDuration=5", "txtOnStart=s", "optFrom",
                                               "mnuPosVis"};
}

void tst_Editors::everyOpeningStartsEmpty()
{
    QFETCH(Opener, open);
    QFETCH(QString, dialogName);
    QFETCH(QString, objType);
    QFETCH(QStringList, entries);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    for (const char* ending : {"cmdOK", "cmdCancel", "cmdOK"}) {
        const Outcome seen = run(open, &owner, &sink, entries, ending);
        QCOMPARE(seen.dialog, dialogName);
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(seen.leftovers, QStringList());
    }
    QCOMPARE(MessageBox::takeShown().size(), 0);
    QCOMPARE(sink.objects.size(), size_t(2));
    for (const auto& object : sink.objects)
        QCOMPARE(object->ObjType(), objType);
}

void tst_Editors::layout_data()
{
    // The client size and one control's rectangle, in twips; 15 twips make a pixel.
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("rect");
    // clang-format off
    QTest::newRow("display") << "display" << "Display Object" << QSize(5280, 7815) << "txtX" << QRect(1320, 240, 2295, 285);
    QTest::newRow("transition") << "trans" << "Transitions" << QSize(5265, 5415) << "lv1" << QRect(1320, 2880, 3135, 1575);
    QTest::newRow("alert") << "alert" << "Alert Window" << QSize(5265, 4335) << "cmdRem" << QRect(4560, 2160, 525, 285);
    QTest::newRow("key/value") << "data" << "Add Data" << QSize(5265, 2295) << "txtValue" << QRect(1440, 1080, 3735, 285);
    // clang-format on
}

void tst_Editors::layout()
{
    QFETCH(QString, dialog);
    QFETCH(QRect, rect);
    std::unique_ptr<QDialog> d;
    if (dialog == "display")
        d = std::make_unique<frmDisplay>(nullptr, nullptr);
    else if (dialog == "trans")
        d = std::make_unique<frmTrans>(nullptr, nullptr);
    else if (dialog == "alert")
        d = std::make_unique<frmAlert>(nullptr, nullptr);
    else
        d = std::make_unique<frmData>(nullptr);
    QTEST(d->windowTitle(), "caption");
    QTEST(d->minimumSize() * 15, "client");
    QCOMPARE(d->maximumSize(), d->minimumSize());
    QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QFETCH(QString, control);
    QCOMPARE(d->findChild<QWidget*>(control)->geometry(), QRect(rect.topLeft() / 15, rect.size() / 15));
}

QTEST_MAIN(tst_Editors)
#include "tst_Editors.moc"
