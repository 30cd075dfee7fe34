#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ExpectedText.h"
#include "LuaHarness.h"

#include <QtTest>

// Every snippet made from valid input must compile as Lua 5.1.
class tst_LuaCompile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void compiles_data();
    void compiles();
};

static void addRow(const QString& name, const ModelObject& object, bool valid = true)
{
    QTest::newRow(qPrintable(name)) << object.codeSnippet().value_or(QString()) << valid;
}

void tst_LuaCompile::compiles_data()
{
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<bool>("valid");
    for (qint16 kind = 0; kind < clsDisplay::kindCount; ++kind) {
        for (qint32 phases : {0, 4, 12, 15}) {
            for (const QString group : {"", "grp"}) {
                clsDisplay d;
                d.setVarName(QStringLiteral("obj"));
                d.setDObjType(kind);
                d.setEventHandling(phases);
                d.setParGroup(group);
                d.setFilename(QStringLiteral("a\\tb.png"));
                d.setSFontName(group.isEmpty() ? QString() : QStringLiteral("Arial"));
                d.setReference(kind + 2);
                d.setX(-5);
                d.setColour(-1);
                addRow(QStringLiteral("display %1 phases %2 group '%3'").arg(kind).arg(phases).arg(group), d);
            }
        }
    }
    for (int bits = 0; bits < 16; ++bits) {
        clsTransition t;
        t.setTransitionDirection(bits & 1);
        t.setDelay(bits & 2 ? 250 : 0);
        t.setOnStart(bits & 4 ? QStringLiteral("begin") : QString());
        t.setOnComplete(bits & 8 ? QStringLiteral("done") : QString());
        if (bits & 1) {
            t.addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
            t.addProperty(QStringLiteral("change_this"), QStringLiteral("x"));
        }
        addRow(QStringLiteral("transition %1").arg(bits), t);
    }
    for (int buttons : {0, 1, 2, 10}) {
        clsAlert a;
        a.setTitle(QStringLiteral("Line\\nTwo"));
        for (int n = 1; n <= buttons; ++n)
            a.addButton(QStringLiteral("id%1").arg(n), QStringLiteral("Button %1").arg(n));
        addRow(QStringLiteral("alert with %1 buttons").arg(buttons), a);
    }
    // The check itself must catch broken text: a parent group without an image file.
    clsDisplay broken;
    broken.setVarName(QStringLiteral("img"));
    broken.setParGroup(QStringLiteral("grp"));
    addRow(QStringLiteral("image in a group without file"), broken, false);
}

void tst_LuaCompile::compiles()
{
    QFETCH(QString, snippet);
    QFETCH(bool, valid);
    QVERIFY(!snippet.isEmpty());
    QVERIFY(!ExpectedText::lines(snippet).first().startsWith(QLatin1Char('<')));
    const std::optional<QString> error = LuaHarness::compileError(snippet);
    QVERIFY2(error.has_value() != valid,
             qPrintable(error.value_or(QStringLiteral("compiled")) + "\n" + snippet));
}

QTEST_APPLESS_MAIN(tst_LuaCompile)
#include "tst_LuaCompile.moc"
