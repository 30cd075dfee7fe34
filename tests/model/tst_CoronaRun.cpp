#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "LuaHarness.h"

#include <QtTest>

// Runs snippets against the Corona stand-in and fires every event Corona could fire.
class tst_CoronaRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runs_data();
    void runs();
};

static void row(const QString& name, const ModelObject& object, const QStringList& printed)
{
    QTest::newRow(qPrintable(name)) << object.codeSnippet().value_or(QString()) << printed;
}

void tst_CoronaRun::runs_data()
{
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<QStringList>("printed"); // touch phases fired in order: began, moved, cancelled, ended
    const QMap<qint32, QStringList> phases{{0, {}},
                                           {4, {"ended"}},
                                           {16 | 8 | 2, {"moved", "cancelled"}},
                                           {15, {"began", "moved", "cancelled", "ended"}}};
    for (qint16 kind = 0; kind < clsDisplay::kindCount; ++kind) {
        for (auto it = phases.cbegin(); it != phases.cend(); ++it) {
            for (const QString group : {"", "grp"}) {
                clsDisplay d;
                d.setVarName(QStringLiteral("v"));
                d.setDObjType(kind);
                d.setEventHandling(it.key());
                d.setParGroup(group);
                d.setFilename(QStringLiteral("a\\tb.png"));
                d.setSFontName(group.isEmpty() ? QString() : QStringLiteral("\"Arial\""));
                d.setReference(kind + 2);
                QStringList printed;
                for (const QString& phase : it.value())
                    printed << "touch " + phase + " - v";
                row(QStringLiteral("display %1 phases %2 group '%3'").arg(kind).arg(it.key()).arg(group), d,
                    printed);
            }
        }
    }
    for (int bits = 0; bits < 8; ++bits) {
        clsTransition t;
        t.setTransitionDirection(bits & 1);
        t.setOnStart(bits & 2 ? QStringLiteral("begin") : QString());
        t.setOnComplete(bits & 4 ? QStringLiteral("done") : QString());
        t.addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
        QStringList printed;
        if (bits & 2)
            printed << QStringLiteral("transition started");
        if (bits & 4)
            printed << QStringLiteral("transition completed");
        row(QStringLiteral("transition %1").arg(bits), t, printed);
    }
    for (int buttons : {0, 1, 3}) {
        clsAlert a;
        QStringList printed;
        for (int n = 1; n <= buttons; ++n) {
            a.addButton(QStringLiteral("id%1").arg(n), QStringLiteral("Button %1").arg(n));
            printed << QStringLiteral("Clicked id%1").arg(n);
        }
        row(QStringLiteral("alert with %1 buttons").arg(buttons), a, printed);
    }
    // The check itself must catch broken text: a parent group without an image file.
    clsDisplay broken;
    broken.setParGroup(QStringLiteral("grp"));
    row(QStringLiteral("image in a group without file"), broken, {"<error>"});
}

void tst_CoronaRun::runs()
{
    QFETCH(QString, snippet);
    QFETCH(QStringList, printed);
    QVERIFY(!snippet.isEmpty());
    const QStringList got =
        LuaHarness::runWithCorona({"grp = display.newGroup()", snippet, "corona.fireAll()"});
    if (printed == QStringList{"<error>"})
        QVERIFY(got.value(0).startsWith(QLatin1String("<error>")));
    else
        QCOMPARE(got, printed);
}

QTEST_APPLESS_MAIN(tst_CoronaRun)
#include "tst_CoronaRun.moc"
