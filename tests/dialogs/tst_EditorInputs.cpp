#include "clsTransition.h"
#include "Golden.h"
#include "TransitionInput.h"

#include <QtTest>

// How the transition editor turns typed numbers into stored ones, or refuses them.
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
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : Golden::rows("dialogs/golden/EditorInputs.txt"))
        QTest::newRow(qPrintable(row.at(0) + ", " + row.at(1)))
            << row.at(0) << row.at(1) << (row.at(2) == "from") << row.at(3);
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
    if (const std::optional<InputProblem> problem = in.validate()) {
        QTEST(problem->message + " @ " + problem->field, "expected");
        return;
    }
    clsTransition t;
    in.fillInto(t);
    QTEST(QStringLiteral("%1 %2").arg(t.duration()).arg(t.delay()), "expected");
    QCOMPARE(t.transitionDirection(), from ? 1 : 0);
}

QTEST_APPLESS_MAIN(tst_EditorInputs)
#include "tst_EditorInputs.moc"
