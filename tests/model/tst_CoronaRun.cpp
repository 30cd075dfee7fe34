#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "LuaHarness.h"

#include <QtTest>

// Runs snippets against the Corona stand-in and fires the events Corona would fire.
class tst_CoronaRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void touchPhase_data();
    void touchPhase();
    void alertClick_data();
    void alertClick();
    void transitionListeners();
    void textWithSystemFont();
};

static QStringList runOrFail(const QString& snippet, const QString& script)
{
    const LuaHarness::Outcome outcome = LuaHarness::runWithCorona(snippet, script);
    if (!outcome.error.isEmpty())
        return {QStringLiteral("<error> ") + outcome.error};
    return outcome.printed;
}

void tst_CoronaRun::touchPhase_data()
{
    QTest::addColumn<qint32>("eventHandling");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QStringList>("printed");
    for (const char* phase : {"began", "moved", "cancelled", "ended"}) {
        QTest::addRow("all phases, %s", phase)
            << 15 << phase << QStringList{QStringLiteral("touch %1 - hero").arg(QLatin1String(phase))};
    }
    QTest::newRow("began not requested") << 14 << "began" << QStringList();
    QTest::newRow("only ended, fire ended") << 4 << "ended" << QStringList{"touch ended - hero"};
    QTest::newRow("no phases") << 0 << "moved" << QStringList();
}

void tst_CoronaRun::touchPhase()
{
    QFETCH(qint32, eventHandling);
    QFETCH(QString, phase);
    QFETCH(QStringList, printed);
    clsDisplay d;
    d.init();
    d.setVarName(QStringLiteral("hero"));
    d.setEventHandling(eventHandling);
    const QString script = QStringLiteral("corona.touch(corona.created[1], '%1')").arg(phase);
    QCOMPARE(runOrFail(*d.codeSnippet(), script), printed);
}

void tst_CoronaRun::alertClick_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("printed");
    QTest::newRow("first") << 1 << "Clicked btnYes";
    QTest::newRow("second") << 2 << "Clicked btnNo";
    QTest::newRow("third") << 3 << "Clicked btnLater";
}

void tst_CoronaRun::alertClick()
{
    QFETCH(int, button);
    QFETCH(QString, printed);
    clsAlert a;
    a.setVarName(QStringLiteral("ask"));
    a.addButton(QStringLiteral("btnYes"), QStringLiteral("Yes"));
    a.addButton(QStringLiteral("btnNo"), QStringLiteral("No"));
    a.addButton(QStringLiteral("btnLater"), QStringLiteral("Later"));
    const QString script =
        QStringLiteral("print(corona.alerts[1].title, corona.alerts[1].buttons[%1]) corona.clickAlert(%1)")
            .arg(button);
    QCOMPARE(
        runOrFail(*a.codeSnippet(), script),
        QStringList({"Alert Dialog Title\t" + QStringList{"Yes", "No", "Later"}.at(button - 1), printed}));
}

void tst_CoronaRun::transitionListeners()
{
    clsTransition t;
    t.setVarName(QStringLiteral("ball"));
    t.setDelay(250);
    t.setOnStart(QStringLiteral("ballStart"));
    t.setOnComplete(QStringLiteral("ballDone"));
    t.addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
    const QString script =
        QStringLiteral("local p = corona.transitions[1].params "
                       "print(corona.transitions[1].direction, p.time, p.delay, p.alpha) "
                       "corona.fireTransition(1, 'onStart') corona.fireTransition(1, 'onComplete')");
    const QString setup = QStringLiteral("ball = display.newCircle(1, 2, 3)\n");
    QCOMPARE(runOrFail(setup + *t.codeSnippet(), script),
             QStringList({"from\t1000\t250\t0.5", "transition started", "transition completed"}));
}

void tst_CoronaRun::textWithSystemFont()
{
    clsDisplay d;
    d.setVarName(QStringLiteral("label"));
    d.setDObjType(clsDisplay::Text);
    d.setFilename(QStringLiteral("Score"));
    d.setSHeight(24);
    d.setColour(0x0000FF);
    d.setParGroup(QStringLiteral("hud"));
    const QString setup = QStringLiteral("hud = display.newGroup()\n");
    const QString script = QStringLiteral(
        "local o = corona.created[1] "
        "print(o.parent == hud, o.args[1], o.args[4] == native.systemFont, o.args[5], unpack(o.textColor))");
    QCOMPARE(runOrFail(setup + *d.codeSnippet(), script), QStringList({"true\tScore\ttrue\t24\t255\t0\t0"}));
}

QTEST_APPLESS_MAIN(tst_CoronaRun)
#include "tst_CoronaRun.moc"
