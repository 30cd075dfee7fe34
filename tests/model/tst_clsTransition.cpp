#include "clsTransition.h"
#include "ErrorHook.h"

#include <QtTest>

class tst_clsTransition : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void propertiesKeyedByName();
};

// Names must differ in more than letter case; the list keeps the order of adding.
void tst_clsTransition::propertiesKeyedByName()
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

QTEST_APPLESS_MAIN(tst_clsTransition)
#include "tst_clsTransition.moc"
