#include "clsDisplay.h"
#include "clsTransition.h"
#include "DisplayInput.h"
#include "TransitionInput.h"

#include <QtTest>

class tst_EditorInputs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void display_data();
    void display();
    void transition_data();
    void transition();
};

void tst_EditorInputs::display_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("boxes"); // ticked event boxes: b(egan) m(oved) e(nded) c(ancelled)
    QTest::addColumn<int>("storedWidth");
    QTest::addColumn<int>("storedX");
    QTest::addColumn<int>("flags");
    // clang-format off
    QTest::newRow("12.5, 7.5, none")       << 2 << "12.5" << "7.5" << ""     << 12 << 8 << 0;
    QTest::newRow("13.5, 6.5, only ended") << 2 << "13.5" << "6.5" << "e"    << 14 << 6 << 4;
    QTest::newRow("40px, all four")        << 2 << "40px" << "-1"  << "bmec" << 40 << -1 << 15;
    QTest::newRow("empty width, b+c")      << 2 << ""     << "0"   << "bc"   << 0  << 0 << 9;
    QTest::newRow("hidden width too big")  << 0 << "3e9"  << "1"   << "m"    << 0  << 1 << 2;
    // clang-format on
}

void tst_EditorInputs::display()
{
    QFETCH(int, kind);
    QFETCH(QString, boxes);
    DisplayInput in;
    in.varName = "box";
    in.kind = kind;
    QFETCH(QString, width);
    QFETCH(QString, x);
    in.width = width;
    in.x = x;
    in.y = "2";
    in.began = boxes.contains('b');
    in.moved = boxes.contains('m');
    in.ended = boxes.contains('e');
    in.cancelled = boxes.contains('c');
    QVERIFY(!in.validate());
    clsDisplay d;
    d.setEventHandling(8); // a stale value is not kept
    in.fillInto(d);
    QTEST(d.sWidth(), "storedWidth");
    QTEST(d.x(), "storedX");
    QTEST(d.eventHandling(), "flags");

    // Text keeps the width field, as typed, for its font name.
    in.kind = clsDisplay::Text;
    in.width = " 12 Arial ";
    in.height = "24pt";
    clsDisplay text;
    in.fillInto(text);
    QCOMPARE(text.sFontName(), QStringLiteral(" 12 Arial "));
    QCOMPARE(text.sWidth(), 0);
    QCOMPARE(text.sHeight(), 24);
}

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
