#include "clsDisplay.h"

#include <QtTest>

// How each kind is written is in tst_WorkedExamples' golden files, and where it lands is
// proven by running it in tst_CoronaRun.
class tst_clsDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unknownKindHasNoSnippet();
    void initRestoresDefaults();
};

void tst_clsDisplay::unknownKindHasNoSnippet()
{
    clsDisplay d;
    d.init();
    for (const qint16 kind : {qint16(-1), qint16(clsDisplay::kindCount)}) {
        d.setDObjType(kind);
        QVERIFY(!d.codeSnippet(GraphicsApi::V1) && !d.codeSnippet(GraphicsApi::V2));
    }
    d.setDObjType(clsDisplay::kindCount - 1);
    QVERIFY(d.codeSnippet(GraphicsApi::V1) && d.codeSnippet(GraphicsApi::V2));
}

void tst_clsDisplay::initRestoresDefaults()
{
    clsDisplay d;
    d.setParGroup(QStringLiteral("g"));
    d.init();
    QCOMPARE(QStringList({d.varName(), d.parGroup(), d.filename()}),
             QStringList({"Untitled", "", "unitled.png"}));
    QCOMPARE(QList<qint32>(
                 {d.dObjType(), d.eventHandling(), d.x(), d.y(), d.sWidth(), d.sHeight(), d.reference()}),
             QList<qint32>({1, 15, 10, 10, 100, 100, 1}));
}

QTEST_APPLESS_MAIN(tst_clsDisplay)
#include "tst_clsDisplay.moc"
