#include "clsTransition.h"
#include "ErrorHook.h"
#include "ExpectedText.h"

#include <QtTest>

using ExpectedText::crlf;

class tst_clsTransition : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void propertiesKeyedByName();
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

void tst_clsTransition::propertiesKeyedByName()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsTransition t = ball();
    t.addProperty(QStringLiteral("2"), QStringLiteral("X"));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QVERIFY(!t.removeProperty(4));
    QVERIFY(t.removeProperty(1));
    QCOMPARE(ExpectedText::lines(*t.codeSnippet()).value(1),
             "\ttransition.from ( ball, { time=1500, y=change_this, alpha=0.5 } ) ");

    t.init();
    QCOMPARE(t.codeSnippet().value_or(QString()), crlf({"--Code snippet for TransitionObject STARTED",
                                                        "\ttransition.from ( untitled, { time=1000 } ) ", "",
                                                        "--Code snippet for TransitionObject ENDED"}));
}

QTEST_APPLESS_MAIN(tst_clsTransition)
#include "tst_clsTransition.moc"
