#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "Editors.h"
#include "MessageBox.h"
#include "ModalDriver.h"

#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Maker = std::function<std::unique_ptr<ModelObject>()>;
Q_DECLARE_METATYPE(Maker)

namespace {

// Every stored value, hidden ones and pairs included, so that a lost value shows even where
// the snippet does not use it.
QStringList dump(const ModelObject& object)
{
    QStringList values{object.ObjType(), object.varName()};
    const auto pairs = [&values](const PairList& list) {
        for (const clsData& pair : list)
            values << pair.clsKey() + QLatin1Char('=') + pair.clsValue();
    };
    if (const auto* d = dynamic_cast<const clsDisplay*>(&object)) {
        for (qint32 number : {qint32(d->dObjType()), d->eventHandling(), d->x(), d->y(), d->sWidth(),
                              d->sHeight(), d->sRounding(), d->reference(), d->Colour()})
            values << QString::number(number);
        values << d->parGroup() << d->filename() << d->sFontName();
    } else if (const auto* t = dynamic_cast<const clsTransition*>(&object)) {
        values << QString::number(t->duration()) << QString::number(t->delay()) << t->onStart()
               << t->onComplete() << QString::number(t->transitionDirection() != 0);
        pairs(t->properties());
    } else if (const auto* a = dynamic_cast<const clsAlert*>(&object)) {
        values << a->title() << a->message();
        pairs(a->buttons());
    }
    return values;
}

// A display of this kind; `full` fills every field, the ones the kind hides included, with
// values a lost or swapped field would give away.
Maker display(int kind, bool full, qint32 phases, qint32 reference)
{
    return [=] {
        auto d = std::make_unique<clsDisplay>();
        d->setVarName(QStringLiteral("hero"));
        d->setDObjType(qint16(kind));
        d->setEventHandling(phases);
        d->setReference(reference);
        if (full) {
            d->setParGroup(QStringLiteral("layer"));
            d->setX(-12);
            d->setY(7);
            d->setSWidth(40);
            d->setSHeight(30);
            d->setSRounding(6);
            d->setFilename(QStringLiteral("pics\\hero.png"));
            d->setColour(0x336699);
            d->setSFontName(QStringLiteral("Arial"));
        }
        return d;
    };
}

Maker transition(bool from, bool full, const QStringList& properties)
{
    return [=] {
        auto t = std::make_unique<clsTransition>();
        t->setVarName(QStringLiteral("fade"));
        t->setTransitionDirection(from ? 1 : 0);
        t->setDuration(full ? 2500 : 1);
        t->setDelay(full ? -300 : 0);
        t->setOnStart(full ? QStringLiteral("started") : QString());
        t->setOnComplete(full ? QStringLiteral("done") : QString());
        for (const QString& key : properties)
            t->addProperty(key + QLatin1Char('1'), key);
        return t;
    };
}

Maker alert(const QString& title, const QStringList& buttons)
{
    return [=] {
        auto a = std::make_unique<clsAlert>();
        a->setVarName(QStringLiteral("warn"));
        a->setTitle(title);
        a->setMessage(QStringLiteral("Quit now?"));
        for (const QString& caption : buttons)
            a->addButton(QStringLiteral("btn") + caption, caption);
        return a;
    };
}

// Opens the editor on the object, lets `act` work in it, and ends it with `ending`.
std::unique_ptr<ModelObject> edit(const ModelObject& object, const QString& ending, QString* caption,
                                  const std::function<void(QWidget*)>& act = {})
{
    ModalDriver::whenModal([&](QWidget* modal) {
        *caption = modal->windowTitle();
        if (act)
            act(modal);
        ModalDriver::end(modal, ending);
        if (modal->isVisible()) // refused; leave so that the test can report it
            ModalDriver::press(modal, QStringLiteral("cmdCancel"));
    });
    return Editors::editObject(nullptr, object);
}

} // namespace

class tst_EditObject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::setRecording(true); }
    void unchangedOkStoresTheSameObject_data();
    void unchangedOkStoresTheSameObject();
    void endingWithoutOkChangesNothing_data();
    void endingWithoutOkChangesNothing();
};

void tst_EditObject::unchangedOkStoresTheSameObject_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("caption");
    // Each kind with every field filled (and hidden ones holding values) and with bare fields;
    // the phases and reference points vary over the rows.
    const qint32 phases[] = {0, 1, 2 | 8, 15, 4, 1 | 4, 2};
    for (int kind = 0; kind < clsDisplay::kindCount; ++kind) {
        const QString name = clsDisplay::displayTypeName(kind);
        QTest::addRow("%s, every field", qPrintable(name))
            << display(kind, true, phases[kind], kind) << "Display Object - hero";
        QTest::addRow("%s, bare, no reference", qPrintable(name))
            << display(kind, false, 0, -1) << "Display Object - hero";
    }
    QTest::newRow("Image, last reference point") << display(0, true, 15, 8) << "Display Object - hero";
    QTest::newRow("transition to, bare") << transition(false, false, {}) << "Transitions - fade";
    QTest::newRow("transition from, listeners, properties")
        << transition(true, true, {"x", "y", "alpha"}) << "Transitions - fade";
    QTest::newRow("transition to, one property")
        << transition(false, true, {"rotation"}) << "Transitions - fade";
    QTest::newRow("alert without title") << alert(QString(), {"OK"}) << "Alert Window - warn";
    QTest::newRow("alert, three buttons")
        << alert("Leaving", {"Yes", "No", "Maybe"}) << "Alert Window - warn";
}

void tst_EditObject::unchangedOkStoresTheSameObject()
{
    QFETCH(Maker, make);
    QFETCH(QString, caption);
    const std::unique_ptr<ModelObject> object = make();
    QString seen;

    const std::unique_ptr<ModelObject> result = edit(*object, QStringLiteral("cmdOK"), &seen);

    QCOMPARE(seen, caption);
    QVERIFY(result);
    QCOMPARE(dump(*result), dump(*object));
    QCOMPARE(result->codeSnippet(GraphicsApi::V1), object->codeSnippet(GraphicsApi::V1));
    QCOMPARE(result->codeSnippet(GraphicsApi::V2), object->codeSnippet(GraphicsApi::V2));
}

void tst_EditObject::endingWithoutOkChangesNothing_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<int>("pairs"); // 1 adds a pair in the dialog, -1 removes the first one
    QTest::addColumn<QString>("ending");
    const Maker fade = transition(true, true, {"x", "y"});
    const Maker warn = alert("Leaving", {"Yes", "No"});
    QTest::newRow("transition, pair added, Esc") << fade << 1 << "esc";
    QTest::newRow("transition, pair removed, close box") << fade << -1 << "close";
    QTest::newRow("alert, button added, Cancel") << warn << 1 << "cmdCancel";
    QTest::newRow("alert, button removed, Esc") << warn << -1 << "esc";
}

void tst_EditObject::endingWithoutOkChangesNothing()
{
    QFETCH(Maker, make);
    QFETCH(int, pairs);
    QFETCH(QString, ending);
    const std::unique_ptr<ModelObject> object = make();
    const QStringList before = dump(*object);
    const auto act = [&](QWidget* modal) {
        ModalDriver::fill(modal, {QStringLiteral("txtVarName=renamed")});
        if (pairs > 0) {
            ModalDriver::enterPair(modal, QStringLiteral("added"), QStringLiteral("1"));
        } else {
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lv1"));
            list->setCurrentItem(list->topLevelItem(0));
            ModalDriver::press(modal, QStringLiteral("cmdRem"));
        }
    };
    QString caption;

    QVERIFY(!edit(*object, ending, &caption, act));
    QCOMPARE(dump(*object), before);

    // The same work confirmed reaches the copy, and still not the object.
    const std::unique_ptr<ModelObject> changed = edit(*object, QStringLiteral("cmdOK"), &caption, act);
    QVERIFY(changed);
    QCOMPARE(changed->varName(), QStringLiteral("renamed"));
    QCOMPARE(dump(*changed).size(), before.size() + pairs); // one value per pair
    QCOMPARE(dump(*object), before);
}

QTEST_MAIN(tst_EditObject)
#include "tst_EditObject.moc"
