#include "Editors.h"
#include "frmAlert.h"
#include "frmData.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOption>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Opener = std::function<void(QWidget*, ObjectSink*)>;
Q_DECLARE_METATYPE(Opener)

namespace {

const Opener display = Editors::openDisplay;
const Opener alert = Editors::openAlert;
const Opener transition = Editors::openTransition;

struct Outcome
{
    QString title;
    QWidget* parent = nullptr;
    QStringList leftovers;    // what an earlier use might have left: non-empty or ticked controls
    QString focus;            // where a refused OK left the focus
    bool focusMarked = false; // and whether that control shows it
};

// Opens the editor as the main window does, fills it, ends it with `ending` ("cmdOK",
// "cmdCancel", "esc", "enter", "close") and reports what was seen. Checks run after the
// dialog has closed, since a failed check inside would leave it open.
Outcome run(const Opener& open, QWidget* owner, ObjectSink* sink, const QStringList& entries,
            const QString& ending, const QStringList& pairs = {})
{
    Outcome seen{"<not opened>", nullptr, {}, {}, false};
    ModalDriver::whenModal([&](QWidget* modal) {
        seen.title = modal->windowTitle();
        seen.parent = modal->parentWidget();
        for (QLineEdit* field : modal->findChildren<QLineEdit*>())
            if (!field->text().isEmpty())
                seen.leftovers << field->objectName();
        for (QAbstractButton* box : modal->findChildren<QAbstractButton*>())
            if (box->isChecked() && box->objectName() != "optTo")
                seen.leftovers << box->objectName();
        for (QComboBox* list : modal->findChildren<QComboBox*>())
            if (list->currentIndex() != -1)
                seen.leftovers << list->objectName();
        if (auto* list = modal->findChild<QTreeWidget*>("lv1"); list && list->topLevelItemCount())
            seen.leftovers << "lv1";
        ModalDriver::fill(modal, entries);
        for (const QString& key : pairs)
            ModalDriver::enterPair(modal, key, "1");
        modal->findChild<QLineEdit*>("txtVarName")->setFocus();
        ModalDriver::end(modal, ending);
        if (modal->isVisible()) { // refused: note where the focus went, then leave
            if (QWidget* focused = QApplication::focusWidget()) {
                seen.focus = focused->objectName();
                QStyleOption look;
                look.initFrom(focused);
                seen.focusMarked =
                    (look.state & QStyle::State_HasFocus) && (look.state & QStyle::State_KeyboardFocusChange);
            }
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
    void sessions_data();
    void sessions();
    void alertWithTenButtons();
    void tabOrder_data();
    void tabOrder();
};

void tst_Editors::checks_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("focus");
    const QString noName = "The variable name cannot be left blank";
    const QString noDuration = "The duration has to be a number";
    const QStringList named{"txtVarName=a", "cboObject=2", "txtX=1", "txtY=2"};
    // clang-format off
    QTest::newRow("display fresh")         << display << QStringList{} << noName << "txtVarName";
    QTest::newRow("display three blanks")  << display << QStringList{"txtVarName=   ", "cboObject=2", "txtX=1", "txtY=2"} << "" << "";
    QTest::newRow("display no kind")       << display << QStringList{"txtVarName=a", "txtX=1"} << "Please select a valid display object" << "cboObject";
    QTest::newRow("display x empty")       << display << QStringList{"txtVarName=a", "cboObject=4", "txtY=1a"} << "The x position has to be a number" << "txtX";
    QTest::newRow("display y before range") << display << QStringList{"txtVarName=a", "cboObject=4", "txtX=3e9", "txtY=1a"} << "The y position has to be a number" << "txtY";
    QTest::newRow("display x range")       << display << named + QStringList{"txtX=3e9", "txtY=-3e9"} << "The x position is out of range" << "txtX";
    QTest::newRow("display y range")       << display << named + QStringList{"txtY=-3e9", "txtWidth=3e9"} << "The y position is out of range" << "txtY";
    QTest::newRow("display width range")   << display << named + QStringList{"txtWidth=3e9", "txtHeight=3e9"} << "The width is out of range" << "txtWidth";
    QTest::newRow("display Circle radius") << display << named + QStringList{"cboObject=4", "txtWidth=3e9"} << "The width is out of range" << "txtWidth";
    QTest::newRow("display Text font name") << display << named + QStringList{"cboObject=6", "txtWidth=3e9", "txtHeight=3e9"} << "The height is out of range" << "txtHeight";
    QTest::newRow("display rounding range") << display << named + QStringList{"cboObject=3", "txtRounding=3e9"} << "The rounding is out of range" << "txtRounding";
    QTest::newRow("display hidden sizes")  << display << named + QStringList{"cboObject=0", "txtWidth=3e9", "txtRounding=3e9"} << "" << "";
    QTest::newRow("transition fresh")      << transition << QStringList{} << noName << "txtVarName";
    QTest::newRow("transition no duration") << transition << QStringList{"txtVarName=t"} << noDuration << "txtDuration";
    QTest::newRow("alert fresh")           << alert << QStringList{"mnuOKButton"} << noName << "txtVarName";
    QTest::newRow("alert no message")      << alert << QStringList{"txtVarName=a"} << "The message text cannot be left blank" << "txtMsg";
    QTest::newRow("alert no button")       << alert << QStringList{"txtVarName=a", "txtMsg=m"} << "Atleast one button needs to be created" << "cmdAdd";
    // clang-format on
}

void tst_Editors::checks()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    const Outcome seen = run(open, &owner, &sink, entries, "cmdOK");
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(sink.objects.size(), size_t(message.isEmpty()));
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    QTEST(seen.focus, "focus");
    // A list or button, unlike a text field, has no cursor: the focus frame is all that shows.
    QCOMPARE(seen.focusMarked, !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(shown[0].caption, QStringLiteral("Missing Data"));
        QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
        QCOMPARE(shown[0].text, message);
    }
}

void tst_Editors::sessions_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("objType");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("pairs");
    // clang-format off
    QTest::newRow("display") << display << "Display Object" << "Display"
        << QStringList{"txtVarName=a", "cboObject=3", "cboReference=4", "txtX=1", "txtY=1", "txtParentGroup=g",
                       "txtFilename=f", "chkMoved", "chkCancelled"} << QStringList{};
    QTest::newRow("alert") << alert << "Alert Window" << "Alert"
        << QStringList{"txtVarName=a", "txtTitle=t", "txtMsg=m", "mnuOKCancel"} << QStringList{"Maybe"};
    QTest::newRow("transition") << transition << "Transitions" << "Transition"
        << QStringList{"txtVarName=t", "txtDuration=5", "txtOnStart=s", "optFrom", "mnuPosVis"} << QStringList{"rotation"};
    // clang-format on
}

// One editor used again and again: Cancel, Esc and the close box add nothing, also after pairs
// were added; OK and Enter add one object each; every opening starts empty.
void tst_Editors::sessions()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, pairs);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    int accepted = 0;
    for (const QString ending : {"cmdCancel", "esc", "close", "cmdOK", "enter"}) {
        const Outcome seen = run(open, &owner, &sink, entries, ending, pairs);
        QTEST(seen.title, "title");
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(seen.leftovers, QStringList());
        accepted += ending == "cmdOK" || ending == "enter";
        QCOMPARE(int(sink.objects.size()), accepted);
    }
    QCOMPARE(MessageBox::takeShown().size(), 0);
    for (const auto& object : sink.objects)
        QTEST(object->ObjType(), "objType");
}

// Branch numbers past 9 take two digits, also for buttons added in the editor.
void tst_Editors::alertWithTenButtons()
{
    QWidget owner;
    owner.show();
    RecordingSink sink;
    QStringList captions;
    for (int i = 1; i <= 10; ++i)
        captions << QStringLiteral("b%1").arg(i);
    run(alert, &owner, &sink, {"txtVarName=a", "txtMsg=m"}, "cmdOK", captions);
    QCOMPARE(int(sink.objects.size()), 1);
    QVERIFY(sink.objects.front()->codeSnippet()->contains("\r\n\t\telseif  i==10 then --1\r\n"));
}

void tst_Editors::tabOrder_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("display") << "display"
                             << QStringList{"txtVarName",   "cboObject",    "chkBegan",       "chkMoved",
                                            "chkEnded",     "chkCancelled", "txtParentGroup", "txtX",
                                            "txtY",         "txtWidth",     "txtHeight",      "txtRounding",
                                            "cboReference", "txtFilename",  "Command1",       "picColor",
                                            "Command2",     "cmdCancel",    "cmdOK"};
    QTest::newRow("transition") << "transition"
                                << QStringList{"txtVarName",    "txtDuration", "txtDelay",  "txtOnStart",
                                               "txtOnComplete", "cmdOK",       "cmdCancel", "cmdRem",
                                               "cmdAdd",        "lv1",         "optFrom",   "optTo"};
    QTest::newRow("alert") << "alert" << QStringList{"txtVarName", "txtTitle", "txtMsg",    "lv1",
                                                     "cmdAdd",     "cmdRem",   "cmdCancel", "cmdOK"};
    QTest::newRow("key/value") << "data" << QStringList{"txtKey", "txtValue", "cmdOK", "cmdCancel"};
}

// The focus chain from the first control; controls added later may follow the listed ones.
void tst_Editors::tabOrder()
{
    QFETCH(QString, editor);
    QFETCH(QStringList, order);
    std::unique_ptr<QDialog> dialog;
    if (editor == "display")
        dialog = std::make_unique<frmDisplay>(nullptr, nullptr);
    else if (editor == "transition")
        dialog = std::make_unique<frmTrans>(nullptr, nullptr);
    else if (editor == "alert")
        dialog = std::make_unique<frmAlert>(nullptr, nullptr);
    else
        dialog = std::make_unique<frmData>(nullptr);
    QWidget* first = dialog->findChild<QWidget*>(order.first());
    QVERIFY(first);
    QStringList chain;
    QWidget* widget = first;
    do {
        if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->window() == dialog.get())
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
    QCOMPARE(chain.mid(0, order.size()), order);
}

QTEST_MAIN(tst_Editors)
#include "tst_Editors.moc"
