#include "clsAlert.h"
#include "ErrorHook.h"

#include <QtTest>

class tst_clsAlert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsKeyedByCaption();
};

// Captions must differ in more than letter case; ids need not be unique or even given.
void tst_clsAlert::buttonsKeyedByCaption()
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

QTEST_APPLESS_MAIN(tst_clsAlert)
#include "tst_clsAlert.moc"
