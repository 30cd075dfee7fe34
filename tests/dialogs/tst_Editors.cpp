#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "Editors.h"
#include "frmAlert.h"
#include "frmData.h"
#include "frmDisplay.h"
#include "frmTrans.h"
#include "Golden.h"
#include "MessageBox.h"
#include "ObjectComparison.h"
#include "RecordingSink.h"
#include "Ui.h"
#include "WorkspaceReader.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOption>
#include <QTreeWidget>
#include <QtTest>

using Opener = std::function<void(QWidget*, ObjectSink*)>;
using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(ObjectPtr)

namespace {

const Opener display = Editors::openDisplay;
const Opener alert = Editors::openAlert;
const Opener transition = Editors::openTransition;

// "caption|banner" of a dialog.
QString headOf(const QWidget* modal)
{
    const auto* banner =
        modal->findChild<QLabel*>(modal->findChild<QLabel*>("Label15") ? "Label15" : "lblHeader");
    return modal->windowTitle() + '|' + (banner ? banner->text() : QString());
}

struct Outcome
{
    QString title;
    QWidget* parent = nullptr;
    QStringList leftovers;    // what an earlier use might have left: non-empty or ticked controls
    QString focus;            // where a refused OK left the focus
    bool focusMarked = false; // and whether that control shows it
};

// Opens a new editor as the main window does, fills it, ends it with `ending` ("cmdOK",
// "cmdCancel", "esc", "enter", "close") and reports what was seen. Checks run after the
// dialog has closed, since a failed check inside would leave it open.
Outcome run(const Opener& open, QWidget* owner, ObjectSink* sink, const QStringList& entries,
            const QString& ending, const QStringList& pairs = {})
{
    Outcome seen{"<not opened>", nullptr, {}, {}, false};
    Ui::whenModal([&](QWidget* modal) {
        seen.title = headOf(modal);
        seen.parent = modal->parentWidget();
        // The physics section opens with its defaults, which tst_frmDisplay checks.
        const QWidget* physics = modal->findChild<QWidget*>("PhysicsSection");
        const auto own = [physics](const QWidget* w) { return !physics || !physics->isAncestorOf(w); };
        for (QLineEdit* field : modal->findChildren<QLineEdit*>())
            if (!field->text().isEmpty() && own(field))
                seen.leftovers << field->objectName();
        for (QAbstractButton* box : modal->findChildren<QAbstractButton*>())
            if (box->isChecked() && box->objectName() != "optTo")
                seen.leftovers << box->objectName();
        for (QComboBox* list : modal->findChildren<QComboBox*>())
            if (list->currentIndex() != -1 && own(list))
                seen.leftovers << list->objectName();
        if (auto* list = modal->findChild<QTreeWidget*>("lv1"); list && list->topLevelItemCount())
            seen.leftovers << "lv1";
        Ui::fill(modal, entries);
        for (const QString& pair : pairs) // "key" or "key=value"
            Ui::enterPair(modal, pair.section('=', 0, 0), pair.contains('=') ? pair.section('=', 1) : "1");
        modal->activateWindow(); // again, after a pair's own dialog
        QTRY_VERIFY(modal->isActiveWindow());
        modal->findChild<QLineEdit*>("txtVarName")->setFocus();
        Ui::end(modal, ending);
        if (modal->isVisible()) { // refused: note where the focus went, then leave
            if (QWidget* focused = QApplication::focusWidget()) {
                seen.focus = focused->objectName();
                QStyleOption look;
                look.initFrom(focused);
                seen.focusMarked =
                    (look.state & QStyle::State_HasFocus) && (look.state & QStyle::State_KeyboardFocusChange);
            }
            Ui::press(modal, "cmdCancel");
        }
    });
    open(owner, sink);
    return seen;
}

// Each display kind with every field filled (the ones the kind hides included, with values a
// lost or swapped field would give away) and bare, phases and reference points varying over
// them; transitions and alerts with and without pairs, listeners and title.
std::vector<ObjectPtr> edited()
{
    std::vector<ObjectPtr> objects;
    for (auto& object :
         WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_DIR "/dialogs/golden/Edited.quillet")).objects)
        objects.push_back(std::move(object));
    return objects;
}

// Opens the editor on the object, lets `act` work in it, and ends it with `ending`; `seen`
// gets the caption and the banner.
std::unique_ptr<ModelObject> edit(const ModelObject& object, const QString& ending, QString* seen,
                                  const std::function<void(QWidget*)>& act = {})
{
    Ui::whenModal([&](QWidget* modal) {
        *seen = headOf(modal);
        if (act)
            act(modal);
        Ui::end(modal, ending);
        if (modal->isVisible()) // refused; leave so that the test can report it
            Ui::press(modal, "cmdCancel");
    });
    return Editors::editObject(nullptr, object);
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
    void tabOrder_data();
    void tabOrder();
    void unchangedOkStoresTheSameObject_data();
    void unchangedOkStoresTheSameObject();
    void endingWithoutOkChangesNothing_data();
    void endingWithoutOkChangesNothing();
};

void tst_Editors::checks_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("focus");
    const QHash<QString, Opener> editors{{"display", display}, {"transition", transition}, {"alert", alert}};
    for (const QStringList& row : Golden::rows("dialogs/golden/EditorChecks.txt"))
        QTest::newRow(qPrintable(row.at(0) + ": " + row.at(1)))
            << editors.value(row.at(0)) << row.at(1).split(", ", Qt::SkipEmptyParts)
            << (row.at(2) == "accepted" ? "" : row.at(2)) << row.value(3);
}

void tst_Editors::checks()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QWidget owner;
    owner.show();
    RecordingSink sink;
    // "pair:key=value" entries go through the pair list's own dialog.
    const QStringList pairs = entries.filter(QRegularExpression("^pair:")).replaceInStrings("pair:", "");
    entries.removeIf([](const QString& entry) { return entry.startsWith("pair:"); });
    const Outcome seen = run(open, &owner, &sink, entries, "cmdOK", pairs);
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
    QTest::addColumn<QStringList>("defaults");
    const QHash<QString, Opener> editors{{"display", display}, {"transition", transition}, {"alert", alert}};
    for (const QStringList& row : Golden::rows("dialogs/golden/EditorSessions.txt"))
        QTest::newRow(qPrintable(row.at(0)))
            << editors.value(row.at(0)) << row.value(1) << row.value(2) << row.value(3).split(' ')
            << row.value(4).split(' ', Qt::SkipEmptyParts) << row.value(5).split(' ', Qt::SkipEmptyParts);
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
        QTEST(seen.leftovers, "defaults");
        accepted += ending == "cmdOK" || ending == "enter";
        QCOMPARE(int(sink.objects.size()), accepted);
    }
    QCOMPARE(MessageBox::takeShown().size(), 0);
    for (const auto& object : sink.objects)
        QTEST(object->ObjType(), "objType");
}

void tst_Editors::tabOrder_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("order");
    for (const QStringList& row : Golden::rows("dialogs/golden/EditorTabOrder.txt"))
        QTest::newRow(qPrintable(row.at(0))) << row.at(0) << row.at(1).split(' ');
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

void tst_Editors::unchangedOkStoresTheSameObject_data()
{
    QTest::addColumn<ObjectPtr>("object");
    QTest::addColumn<QString>("caption");
    const QHash<QString, QString> captions{{"Display", "Display Object - hero|  Edit Display Object"},
                                           {"Transition", "Transitions - fade|  Edit Transition"},
                                           {"Alert", "Alert Window - warn|  Edit Alert Window"}};
    const std::vector<ObjectPtr> objects = edited();
    if (objects.size() != 20)
        QTest::newRow("Edited.quillet") << ObjectPtr() << "20 objects";
    for (size_t i = 0; i < objects.size(); ++i)
        QTest::addRow("object %d, %s", int(i + 1), qPrintable(objects[i]->ObjType()))
            << objects[i] << captions.value(objects[i]->ObjType());
}

void tst_Editors::unchangedOkStoresTheSameObject()
{
    QFETCH(ObjectPtr, object);
    QFETCH(QString, caption);
    QVERIFY(object);
    QString seen;

    const std::unique_ptr<ModelObject> result = edit(*object, QStringLiteral("cmdOK"), &seen);

    QCOMPARE(seen, caption);
    // Every stored value counts, hidden ones and pairs included, also where the snippet does
    // not use them.
    QVERIFY(result && ObjectComparison::same(*result, *object));
}

void tst_Editors::endingWithoutOkChangesNothing_data()
{
    QTest::addColumn<ObjectPtr>("given");
    QTest::addColumn<int>("pairs"); // 1 adds a pair in the dialog, -1 removes the first one
    QTest::addColumn<QString>("ending");
    const std::vector<ObjectPtr> objects = edited();
    const ObjectPtr fade = objects.size() == 20 ? objects[16] : nullptr; // from x, y, alpha; listeners
    const ObjectPtr warn = objects.size() == 20 ? objects[19] : nullptr; // Yes, No, Maybe
    QTest::newRow("transition, pair added, Esc") << fade << 1 << "esc";
    QTest::newRow("transition, pair removed, close box") << fade << -1 << "close";
    QTest::newRow("alert, button added, Cancel") << warn << 1 << "cmdCancel";
    QTest::newRow("alert, button removed, Esc") << warn << -1 << "esc";
}

void tst_Editors::endingWithoutOkChangesNothing()
{
    QFETCH(ObjectPtr, given);
    QFETCH(int, pairs);
    QFETCH(QString, ending);
    QVERIFY(given);
    const std::unique_ptr<ModelObject> object = given->clone();
    const std::unique_ptr<ModelObject> before = object->clone();
    const auto pairCount = [](const ModelObject& o) {
        const auto* t = dynamic_cast<const clsTransition*>(&o);
        return t ? t->properties().count() : dynamic_cast<const clsAlert&>(o).buttonsCount();
    };
    const auto act = [&](QWidget* modal) {
        Ui::fill(modal, {QStringLiteral("txtVarName=renamed")});
        if (pairs > 0) {
            Ui::enterPair(modal, QStringLiteral("added"), QStringLiteral("1"));
        } else {
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lv1"));
            list->setCurrentItem(list->topLevelItem(0));
            Ui::press(modal, QStringLiteral("cmdRem"));
        }
    };
    QString caption;

    QVERIFY(!edit(*object, ending, &caption, act));
    QVERIFY(ObjectComparison::same(*object, *before));

    // The same work confirmed reaches the copy, and still not the object.
    const std::unique_ptr<ModelObject> changed = edit(*object, QStringLiteral("cmdOK"), &caption, act);
    QVERIFY(changed);
    QCOMPARE(changed->varName(), QStringLiteral("renamed"));
    QCOMPARE(pairCount(*changed), pairCount(*before) + pairs);
    QVERIFY(ObjectComparison::same(*object, *before));
}

QTEST_MAIN(tst_Editors)
#include "tst_Editors.moc"
