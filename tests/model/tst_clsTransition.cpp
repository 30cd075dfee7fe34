#include "clsTransition.h"
#include "ErrorHook.h"
#include "ExpectedText.h"

#include <QtTest>

using ExpectedText::crlf;

class tst_clsTransition : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExampleTo();
    void workedExampleFromWithListeners();
    void callLine_data();
    void callLine();
    void onlyOnComplete();
    void duplicateNameReported();
    void removeAndInit();
};

static clsTransition ball()
{
    clsTransition t;
    t.setVarName(QStringLiteral("ball"));
    t.setDuration(1500);
    t.addProperty(QStringLiteral("change_this"), QStringLiteral("x"));
    t.addProperty(QStringLiteral("change_this"), QStringLiteral("y"));
    t.addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
    return t;
}

void tst_clsTransition::workedExampleTo()
{
    clsTransition t = ball();
    t.setTransitionDirection(0);
    QCOMPARE(t.codeSnippet().value_or(QString()),
             crlf({"--Code snippet for TransitionObject STARTED",
                   "\ttransition.to ( ball, { time=1500, x=change_this, y=change_this, alpha=0.5 } ) ", "",
                   "--Code snippet for TransitionObject ENDED"}));
}

void tst_clsTransition::workedExampleFromWithListeners()
{
    clsTransition t = ball();
    t.setOnStart(QStringLiteral("ballStart"));
    t.setOnComplete(QStringLiteral("ballDone"));
    QCOMPARE(t.codeSnippet().value_or(QString()),
             crlf({
                 "--Code snippet for TransitionObject STARTED",
                 "--START of the onStart routine",
                 "\tlocal ballStart = {}",
                 "\tfunction ballStart:onStart ( target )",
                 "\t\tprint (\"transition started\")",
                 "\tend",
                 "--END of the onStart routine",
                 "",
                 "--START of the onComplete routine",
                 "\tlocal ballDone = {}",
                 "\tfunction ballDone:onComplete ( target )",
                 "\t\tprint (\"transition completed\")",
                 "\tend",
                 "--END of the onCompleted routine",
                 "",
                 "\ttransition.from ( ball, { time=1500, x=change_this, y=change_this, alpha=0.5, "
                 "onStart=ballStart, onComplete=ballDone } ) ",
                 "",
                 "--Code snippet for TransitionObject ENDED",
             }));
}

void tst_clsTransition::callLine_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("onStart");
    QTest::addColumn<QStringList>("pairs"); // name, value, name, value ...
    QTest::addColumn<QString>("call");
    const QStringList none;
    // clang-format off
    QTest::newRow("defaults") << 1 << 1000 << 0 << "" << none << "transition.from ( t, { time=1000 } ) ";
    QTest::newRow("direction 2") << 2 << 1000 << 0 << "" << none << "transition.from ( t, { time=1000 } ) ";
    QTest::newRow("direction -1") << -1 << 1000 << 0 << "" << none << "transition.from ( t, { time=1000 } ) ";
    QTest::newRow("negative duration") << 0 << -5 << 0 << "" << none << "transition.to ( t, { time=-5 } ) ";
    QTest::newRow("zero duration") << 0 << 0 << 0 << "" << none << "transition.to ( t, { time=0 } ) ";
    QTest::newRow("delay after time") << 0 << 1500 << 250 << "" << QStringList{"x", "9"} << "transition.to ( t, { time=1500, delay=250, x=9 } ) ";
    QTest::newRow("negative delay") << 0 << 10 << -3 << "" << none << "transition.to ( t, { time=10, delay=-3 } ) ";
    QTest::newRow("empty value") << 0 << 10 << 0 << "" << QStringList{"x", "", "y", "1"} << "transition.to ( t, { time=10, x=, y=1 } ) ";
    QTest::newRow("texts unchanged") << 0 << 10 << 0 << "" << QStringList{"a b", "\"q\""} << "transition.to ( t, { time=10, a b=\"q\" } ) ";
    QTest::newRow("blank listener counts") << 0 << 10 << 0 << " " << none << "transition.to ( t, { time=10, onStart=  } ) ";
    // clang-format on
}

void tst_clsTransition::callLine()
{
    QFETCH(int, direction);
    QFETCH(int, duration);
    QFETCH(int, delay);
    QFETCH(QString, onStart);
    QFETCH(QStringList, pairs);
    QFETCH(QString, call);
    clsTransition t;
    t.setVarName(QStringLiteral("t"));
    t.setTransitionDirection(qint16(direction));
    t.setDuration(duration);
    t.setDelay(delay);
    t.setOnStart(onStart);
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        t.addProperty(pairs.at(i + 1), pairs.at(i));
    const QStringList lines = ExpectedText::lines(t.codeSnippet().value_or(QString()));
    QCOMPARE(lines.value(lines.size() - 3), "\t" + call);
    QCOMPARE(lines.contains(QStringLiteral("\tlocal ") + onStart + QStringLiteral(" = {}")),
             !onStart.isEmpty());
}

void tst_clsTransition::onlyOnComplete()
{
    clsTransition t;
    t.setVarName(QStringLiteral("b"));
    t.setOnComplete(QStringLiteral("done"));
    QCOMPARE(t.codeSnippet().value_or(QString()),
             crlf({"--Code snippet for TransitionObject STARTED", "--START of the onComplete routine",
                   "\tlocal done = {}", "\tfunction done:onComplete ( target )",
                   "\t\tprint (\"transition completed\")", "\tend", "--END of the onCompleted routine", "",
                   "\ttransition.from ( b, { time=1000, onComplete=done } ) ", "",
                   "--Code snippet for TransitionObject ENDED"}));
}

void tst_clsTransition::duplicateNameReported()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsTransition t;
    t.addProperty(QStringLiteral("1"), QStringLiteral("x"));
    t.addProperty(QStringLiteral("2"), QStringLiteral("X"));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QCOMPARE(t.propertiesCount(), 1);
    QCOMPARE(t.properties().at(1), clsData(QStringLiteral("x"), QStringLiteral("1")));
}

void tst_clsTransition::removeAndInit()
{
    clsTransition t;
    for (const char* name : {"a", "b", "c"})
        t.addProperty(QStringLiteral("0"), QString::fromLatin1(name));
    QVERIFY(!t.removeProperty(4));
    QVERIFY(t.removeProperty(1));
    QCOMPARE(t.properties().at(1).clsKey(), QStringLiteral("b"));
    QCOMPARE(t.properties().at(2).clsKey(), QStringLiteral("c"));
    t.clearProperties();
    QCOMPARE(t.propertiesCount(), 0);

    t.setVarName(QStringLiteral("other"));
    t.setDuration(5);
    t.setDelay(5);
    t.setOnStart(QStringLiteral("s"));
    t.setOnComplete(QStringLiteral("c"));
    t.setTransitionDirection(0);
    t.addProperty(QStringLiteral("1"), QStringLiteral("x"));
    t.init();
    QCOMPARE(t.ObjType(), QStringLiteral("Transition"));
    QCOMPARE(QStringList({t.varName(), t.onStart(), t.onComplete()}), QStringList({"untitled", "", ""}));
    QCOMPARE(QList<int>({t.duration(), t.delay(), t.transitionDirection(), int(t.propertiesCount())}),
             QList<int>({1000, 0, 1, 0}));
    QCOMPARE(t.codeSnippet().value_or(QString()), crlf({"--Code snippet for TransitionObject STARTED",
                                                        "\ttransition.from ( untitled, { time=1000 } ) ", "",
                                                        "--Code snippet for TransitionObject ENDED"}));
}

QTEST_APPLESS_MAIN(tst_clsTransition)
#include "tst_clsTransition.moc"
