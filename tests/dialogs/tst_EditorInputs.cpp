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
    void refused_data();
    void refused();
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
    // Only the letter E starts an exponent, and "&H" is no number here.
    QTest::newRow("D is no exponent") << "1D2"   << "&H10" << false << 1    << 0;
    QTest::newRow("E exponent")       << "1E2"   << "2e1"  << false << 100  << 20;
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

void tst_EditorInputs::refused_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    const QString notNumber = QStringLiteral("The duration has to be a number");
    // clang-format off
    QTest::newRow("hexadecimal")        << "&H10"       << ""           << notNumber << "txtDuration";
    QTest::newRow("octal")              << "&O7"        << ""           << notNumber << "txtDuration";
    QTest::newRow("zero")               << "0"          << ""           << notNumber << "txtDuration";
    QTest::newRow("largest duration")   << "2147483647" << "2147483647" << ""        << "";
    QTest::newRow("duration too large") << "2147483648" << ""           << "The duration is out of range" << "txtDuration";
    QTest::newRow("delay too large")    << "1"          << "2147483648" << "The delay is out of range"    << "txtDelay";
    // clang-format on
}

void tst_EditorInputs::refused()
{
    TransitionInput in;
    in.varName = "t";
    QFETCH(QString, duration);
    QFETCH(QString, delay);
    in.duration = duration;
    in.delay = delay;
    const std::optional<InputProblem> problem = in.validate();
    QTEST(problem.value_or(InputProblem{}).message, "message");
    QTEST(problem.value_or(InputProblem{}).field, "field");
}

QTEST_APPLESS_MAIN(tst_EditorInputs)
#include "tst_EditorInputs.moc"
