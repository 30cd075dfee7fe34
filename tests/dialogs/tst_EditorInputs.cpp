#include "clsDisplay.h"
#include "clsTransition.h"
#include "DisplayInput.h"
#include "TransitionInput.h"

#include <QtTest>

namespace {
// Input that passes every check, for a Rect.
DisplayInput valid()
{
    DisplayInput in;
    in.varName = "box";
    in.kind = clsDisplay::Rect;
    in.x = "10";
    in.y = "20";
    return in;
}
} // namespace

class tst_EditorInputs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validate_data();
    void validate();
    void numbers_data();
    void numbers();
    void eventHandling_data();
    void eventHandling();
    void textKeepsFontNameAsTyped();
    void transitionNumbers_data();
    void transitionNumbers();
};

void tst_EditorInputs::validate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("size"); // width, height and rounding alike
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    // clang-format off
    QTest::newRow("three blanks")      << "   " << 2 << "1"    << "2"    << ""    << "" << "";
    QTest::newRow("x trailing text")   << "a" << 2 << "12px" << "1"    << ""    << "The x position has to be a number" << "txtX";
    QTest::newRow("not a number before out of range")
                                       << "a" << 2 << "3e9"  << "z"    << ""    << "The y position has to be a number" << "txtY";
    QTest::newRow("x range first")     << "a" << 2 << "3e9"  << "1"    << "9e9" << "The x position is out of range" << "txtX";
    QTest::newRow("y range")           << "a" << 2 << "1"    << "-3e9" << ""    << "The y position is out of range" << "txtY";
    QTest::newRow("Rect width")        << "a" << 2 << "1"    << "1"    << "3e9" << "The width is out of range" << "txtWidth";
    QTest::newRow("Image size hidden") << "a" << 0 << "1"    << "1"    << "3e9" << "" << "";
    QTest::newRow("Text font name")    << "a" << 6 << "1"    << "1"    << "3e9" << "The height is out of range" << "txtHeight";
    QTest::newRow("Circle radius")     << "a" << 4 << "1"    << "1"    << "3e9" << "The width is out of range" << "txtWidth";
    // clang-format on
}

void tst_EditorInputs::validate()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, size);
    QFETCH(QString, message);
    QFETCH(QString, field);
    DisplayInput in;
    in.varName = name;
    in.kind = kind;
    in.x = x;
    in.y = y;
    in.width = in.height = in.rounding = size;
    const std::optional<InputProblem> problem = in.validate();
    QCOMPARE(problem.has_value(), !message.isEmpty());
    if (problem)
        QCOMPARE(*problem, (InputProblem{message, field}));
}

void tst_EditorInputs::numbers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    // clang-format off
    QTest::newRow("width 12.5")     << 2 << "width" << "12.5"     << 12;
    QTest::newRow("width 13.5")     << 2 << "width" << "13.5"     << 14;
    QTest::newRow("width 40px")     << 2 << "width" << "40px"     << 40;
    QTest::newRow("width 1 5")      << 2 << "width" << "1 5"      << 15;
    QTest::newRow("width empty")    << 2 << "width" << ""         << 0;
    QTest::newRow("width hex")      << 2 << "width" << "&H10"     << 16;
    QTest::newRow("x 7.5")          << 2 << "x"     << "7.5"      << 8;
    QTest::newRow("x 6.5")          << 2 << "x"     << "6.5"      << 6;
    QTest::newRow("x -2.5e1")       << 2 << "x"     << " -2.5e1 " << -25;
    QTest::newRow("rounding hidden under Rect")    << 2 << "rounding" << "12"   << 12;
    QTest::newRow("hidden width out of range")     << 0 << "width"    << "3e9"  << 0;
    QTest::newRow("hidden rounding out of range")  << 2 << "rounding" << "-3e9" << 0;
    // clang-format on
}

void tst_EditorInputs::numbers()
{
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    DisplayInput in = valid();
    in.kind = kind;
    (field == "width" ? in.width : field == "x" ? in.x : in.rounding) = text;
    QVERIFY(!in.validate());
    clsDisplay d;
    in.fillInto(d);
    QTEST(field == "width" ? d.sWidth() : field == "x" ? d.x() : d.sRounding(), "stored");
}

void tst_EditorInputs::eventHandling_data()
{
    QTest::addColumn<bool>("began");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("flags");
    // clang-format off
    QTest::newRow("none") << false << false << false << false << 0;
    QTest::newRow("only OnEnded") << false << false << true << false << 4;
    QTest::newRow("began and cancelled") << true << false << false << true << 9;
    QTest::newRow("all four") << true << true << true << true << 15;
    // clang-format on
}

void tst_EditorInputs::eventHandling()
{
    DisplayInput in = valid();
    QFETCH(bool, began);
    QFETCH(bool, moved);
    QFETCH(bool, ended);
    QFETCH(bool, cancelled);
    in.began = began;
    in.moved = moved;
    in.ended = ended;
    in.cancelled = cancelled;
    clsDisplay d;
    d.setEventHandling(2); // a stale value is not kept
    in.fillInto(d);
    QTEST(d.eventHandling(), "flags");
}

void tst_EditorInputs::textKeepsFontNameAsTyped()
{
    DisplayInput in = valid();
    in.kind = clsDisplay::Text;
    in.width = " 12 Arial ";
    in.height = "24pt";
    in.filename = "Hello";
    clsDisplay d;
    in.fillInto(d);
    QCOMPARE(d.sFontName(), QStringLiteral(" 12 Arial "));
    QCOMPARE(d.sWidth(), 0);
    QCOMPARE(d.sHeight(), 24);
    QCOMPARE(d.filename(), QStringLiteral("Hello"));
}

void tst_EditorInputs::transitionNumbers_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<bool>("from");
    QTest::addColumn<int>("storedDuration");
    QTest::addColumn<int>("storedDelay");
    // clang-format off
    QTest::newRow("trailing letters") << "12abc" << "" << false << 12 << 0;
    QTest::newRow("blank inside") << "1 500" << "-250" << true << 1500 << -250;
    QTest::newRow("below a half") << "0.4" << "7" << false << 0 << 7;
    QTest::newRow("half to even down") << "2.5" << "abc" << false << 2 << 0;
    QTest::newRow("half to even up") << "3.5" << "" << true << 4 << 0;
    QTest::newRow("limits") << "2147483647" << "-2147483648" << false << 2147483647 << int(-2147483647 - 1);
    // clang-format on
}

void tst_EditorInputs::transitionNumbers()
{
    TransitionInput in;
    in.varName = " ";
    QFETCH(QString, duration);
    QFETCH(QString, delay);
    QFETCH(bool, from);
    in.duration = duration;
    in.delay = delay;
    in.from = from;
    in.onStart = "go";
    QVERIFY(!in.validate());
    clsTransition t;
    in.fillInto(t);
    QTEST(t.duration(), "storedDuration");
    QTEST(t.delay(), "storedDelay");
    QCOMPARE(t.transitionDirection(), from ? 1 : 0);
    QCOMPARE(t.varName(), QStringLiteral(" "));
    QCOMPARE(t.onStart(), QStringLiteral("go"));
    QCOMPARE(t.onComplete(), QString());
}

QTEST_APPLESS_MAIN(tst_EditorInputs)
#include "tst_EditorInputs.moc"
