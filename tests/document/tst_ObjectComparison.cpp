#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ObjectComparison.h"

#include <QtTest>

#include <functional>

using Change = std::function<void(ModelObject&)>;
Q_DECLARE_METATYPE(Change)

namespace {

std::unique_ptr<ModelObject> filled(const QString& kind)
{
    if (kind == QLatin1String("Display")) {
        auto d = std::make_unique<clsDisplay>();
        d->setDObjType(clsDisplay::Text);
        d->setParGroup(QStringLiteral("layer"));
        d->setEventHandling(5);
        d->setX(1);
        d->setY(2);
        d->setSWidth(3);
        d->setSHeight(4);
        d->setSRounding(5);
        d->setReference(6);
        d->setFilename(QStringLiteral("a.png"));
        d->setColour(7);
        d->setSFontName(QStringLiteral("Arial"));
        d->setVarName(QStringLiteral("hero"));
        return d;
    }
    if (kind == QLatin1String("Transition")) {
        auto t = std::make_unique<clsTransition>();
        t->setDelay(5);
        t->setOnStart(QStringLiteral("s"));
        t->setOnComplete(QStringLiteral("c"));
        t->addProperty(QStringLiteral("10"), QStringLiteral("x"));
        t->setVarName(QStringLiteral("hero"));
        return t;
    }
    auto a = std::make_unique<clsAlert>();
    a->setTitle(QStringLiteral("t"));
    a->setMessage(QStringLiteral("m"));
    a->addButton(QStringLiteral("btnOK"), QStringLiteral("OK"));
    a->setVarName(QStringLiteral("hero"));
    return a;
}

template <typename Kind> Change on(std::function<void(Kind&)> change)
{
    return [change](ModelObject& object) { change(dynamic_cast<Kind&>(object)); };
}

} // namespace

// An edit that changes only one value must never be taken for no change: it would be dropped.
class tst_ObjectComparison : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyValueCounts_data();
    void everyValueCounts();
};

void tst_ObjectComparison::everyValueCounts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Change>("change"); // null: an untouched copy
    using D = clsDisplay;
    using T = clsTransition;
    using A = clsAlert;
    QTest::newRow("display copy") << "Display" << Change();
    QTest::newRow("name") << "Display" << Change([](ModelObject& o) { o.setVarName("Hero"); });
    QTest::newRow("display kind") << "Display" << on<D>([](D& d) { d.setDObjType(D::Rect); });
    QTest::newRow("parent") << "Display" << on<D>([](D& d) { d.setParGroup("other"); });
    QTest::newRow("phases") << "Display" << on<D>([](D& d) { d.setEventHandling(4); });
    QTest::newRow("x") << "Display" << on<D>([](D& d) { d.setX(-1); });
    QTest::newRow("y") << "Display" << on<D>([](D& d) { d.setY(-2); });
    QTest::newRow("width, unused by text") << "Display" << on<D>([](D& d) { d.setSWidth(30); });
    QTest::newRow("height") << "Display" << on<D>([](D& d) { d.setSHeight(40); });
    QTest::newRow("rounding") << "Display" << on<D>([](D& d) { d.setSRounding(50); });
    QTest::newRow("reference") << "Display" << on<D>([](D& d) { d.setReference(-1); });
    QTest::newRow("file") << "Display" << on<D>([](D& d) { d.setFilename("b.png"); });
    QTest::newRow("colour") << "Display" << on<D>([](D& d) { d.setColour(8); });
    QTest::newRow("font") << "Display" << on<D>([](D& d) { d.setSFontName("Arial "); });
    QTest::newRow("transition copy") << "Transition" << Change();
    QTest::newRow("duration") << "Transition" << on<T>([](T& t) { t.setDuration(999); });
    QTest::newRow("delay") << "Transition" << on<T>([](T& t) { t.setDelay(6); });
    QTest::newRow("onStart") << "Transition" << on<T>([](T& t) { t.setOnStart("S"); });
    QTest::newRow("onComplete") << "Transition" << on<T>([](T& t) { t.setOnComplete("C"); });
    QTest::newRow("direction") << "Transition" << on<T>([](T& t) { t.setTransitionDirection(0); });
    QTest::newRow("property added") << "Transition" << on<T>([](T& t) { t.addProperty("1", "alpha"); });
    QTest::newRow("property value") << "Transition" << on<T>([](T& t) {
        t.clearProperties();
        t.addProperty("11", "x");
    });
    QTest::newRow("alert copy") << "Alert" << Change();
    QTest::newRow("title") << "Alert" << on<A>([](A& a) { a.setTitle("T"); });
    QTest::newRow("message") << "Alert" << on<A>([](A& a) { a.setMessage("M"); });
    QTest::newRow("button caption") << "Alert" << on<A>([](A& a) {
        a.clearButtons();
        a.addButton("btnOK", "Ok");
    });
}

void tst_ObjectComparison::everyValueCounts()
{
    QFETCH(QString, kind);
    QFETCH(Change, change);
    const std::unique_ptr<ModelObject> object = filled(kind);
    const std::unique_ptr<ModelObject> copy = object->clone();
    if (change)
        change(*copy);
    QCOMPARE(ObjectComparison::same(*object, *copy), !change);
    QCOMPARE(ObjectComparison::same(*copy, *object), !change);
}

QTEST_MAIN(tst_ObjectComparison)
#include "tst_ObjectComparison.moc"
