#include "clsAlert.h"
#include "clsTransition.h"
#include "ErrorHook.h"

#include <QtTest>

// The model objects that hold named pairs: an alert's buttons and a transition's properties.
class tst_PairOwners : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsKeyedByCaption();
    void propertiesKeyedByName();
};

// Captions must differ in more than letter case; ids need not be unique or even given.
void tst_PairOwners::buttonsKeyedByCaption()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsAlert a;
    for (const QString pair : {"Go|x", "Yes|same", "No|same", "yes|other", "Later|"})
        a.addButton(pair.section('|', 1), pair.section('|', 0, 0));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QVERIFY(!a.removeButton(0) && !a.removeButton(5));
    QVERIFY(a.removeButton(1));
    QStringList buttons;
    for (const clsData& b : a.buttons())
        buttons << b.clsKey() + '|' + b.clsValue();
    QCOMPARE(buttons, QStringList({"Yes|same", "No|same", "Later|"}));
}

// Names must differ in more than letter case; the list keeps the order of adding.
void tst_PairOwners::propertiesKeyedByName()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsTransition t;
    for (const QString pair : {"x=1", "y=", "alpha=0.5", "X=2"})
        t.addProperty(pair.section('=', 1), pair.section('=', 0, 0));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QVERIFY(!t.removeProperty(0) && !t.removeProperty(4));
    QVERIFY(t.removeProperty(1));
    QStringList properties;
    for (const clsData& p : t.properties())
        properties << p.clsKey() + '=' + p.clsValue();
    QCOMPARE(properties, QStringList({"y=", "alpha=0.5"}));
}

QTEST_APPLESS_MAIN(tst_PairOwners)
#include "tst_PairOwners.moc"
