#include "clsTransition.h"
#include "TransitionInput.h"

#include <QtTest>

// How the transition editor turns typed numbers into stored ones.
class tst_EditorInputs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transition_data();
    void transition();
};

void tst_EditorInputs::transition_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<bool>("from");
    QTest::addColumn<int>("storedDuration");
    QTest::addColumn<int>("storedDelay");
    // clang-format off
    QTest::newRow("trailing letters") << "12abc" << ""     << false << 12   << 0;
    QTest::newRow("blank inside")     << "1 500" << "-250" << true  << 1500 << -250;
    QTest::newRow("below a half")     << "0.4"   << "abc"  << false << 0    << 0;
    QTest::newRow("half to even")     << "3.5"   << "2.5"  << true  << 4    << 2;
    // clang-format on
}

void tst_EditorInputs::transition()
{
    TransitionInput in;
    in.varName = "t";
    QFETCH(QString, duration);
    QFETCH(QString, delay);
    QFETCH(bool, from);
    in.duration = duration;
    in.delay = delay;
    in.from = from;
    QVERIFY(!in.validate());
    clsTransition t;
    in.fillInto(t);
    QTEST(t.duration(), "storedDuration");
    QTEST(t.delay(), "storedDelay");
    QCOMPARE(t.transitionDirection(), from ? 1 : 0);
}

QTEST_APPLESS_MAIN(tst_EditorInputs)
#include "tst_EditorInputs.moc"
