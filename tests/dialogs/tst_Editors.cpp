#include "Editors.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
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
    QStringList leftovers; // what an earlier use might have left: non-empty or ticked controls
    QString focus;         // where a refused OK left the focus
};

// Opens the editor as the main window does, fills it, ends it with `ending` ("cmdOK",
// "cmdCancel", "esc", "enter", "close") and reports what was seen. Checks run after the
// dialog has closed, since a failed check inside would leave it open.
Outcome run(const Opener& open, QWidget* owner, ObjectSink* sink, const QStringList& entries,
            const QString& ending, const QStringList& pairs = {})
{
    Outcome seen{"<not opened>", nullptr, {}, {}};
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
    void sessions_data();
    void sessions();
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
    QTest::newRow("transition duration 0") << transition << QStringList{"txtVarName=t", "txtDuration=0"} << noDuration << "txtDuration";
    QTest::newRow("transition duration range") << transition << QStringList{"txtVarName=t", "txtDuration=2147483647.5"} << "The duration is out of range" << "txtDuration";
    QTest::newRow("transition delay range") << transition << QStringList{"txtVarName=t", "txtDuration=5", "txtDelay=-3e9"} << "The delay is out of range" << "txtDelay";
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

QTEST_MAIN(tst_Editors)
#include "tst_Editors.moc"
