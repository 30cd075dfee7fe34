#include "clsDisplay.h"
#include "ExpectedText.h"

#include <QtTest>

// How each kind is created, placed and coloured under both targets; whole snippets are in
// tst_WorkedExamples, and where the objects land is proven by running them in tst_CoronaRun.
class tst_clsDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placing_data();
    void placing();
    void initRestoresDefaults();
};

// v1: the two lines after "-- CREATE the display object", none when there is no snippet;
// v2: the whole Graphics 2.0 text of the object without touch phases.
static void row(int kind, const char* group, const char* file, const char* font, int reference,
                const QStringList& v1, const QStringList& v2)
{
    QTest::addRow("kind %d, reference %d, %s", kind, reference, qPrintable(v1.value(0)))
        << kind << QString(group) << QString(file) << QString(font) << reference << v1 << v2;
}

void tst_clsDisplay::placing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QStringList>("v1");
    QTest::addColumn<QStringList>("v2");
    const QStringList at{"v.x = -5", "v.y = 7"};
    const QStringList topLeft{"v.anchorX = 0", "v.anchorY = 0"};
    const QStringList centre{"v.anchorX = 0.5", "v.anchorY = 0.5"};
    const QStringList fill{"v:setFillColor( 32/255, 64/255, 128/255 )"};
    row(0, "g", "", "", 8,
        {"v = display.newImage( g, ) ", "v:setReferencePoint( display.BottomRightReferencePoint )"},
        QStringList{"local v = display.newImage( g )", "v.anchorX = 1", "v.anchorY = 1"} + at);
    row(0, "", "", "", 4, {"v = display.newImage( ) ", "v:setReferencePoint( display.CenterReferencePoint )"},
        QStringList{"local v = display.newImage()"} + centre + at);
    // Without a reference point, the engine's default: the centre.
    row(0, "", "x.png", "", 9, {"v = display.newImage( \"x.png\") ", "v.x = -5"},
        QStringList{"local v = display.newImage( \"x.png\" )"} + centre + at);
    row(1, "", "a \"b\".png", "", 0,
        {"v = display.newImageRect( \"a \\\"b\\\".png\", 30, 40) ",
         "v:setReferencePoint( display.TopLeftReferencePoint )"},
        QStringList{"local v = display.newImageRect( \"a \\\"b\\\".png\", 30, 40 )"} + topLeft + at);
    // Every reference point's name and anchors, so that a misspelt one shows.
    int reference = 1;
    for (const QString point : {"TopCenter 0.5 0", "TopRight 1 0", "CenterLeft 0 0.5", "Center 0.5 0.5",
                                "CenterRight 1 0.5", "BottomLeft 0 1", "BottomCenter 0.5 1"}) {
        const QStringList p = point.split(QLatin1Char(' '));
        row(1, "", "", "", reference++,
            {"v = display.newImageRect( 30, 40) ",
             "v:setReferencePoint( display." + p[0] + "ReferencePoint )"},
            QStringList{"local v = display.newImageRect( 30, 40 )", "v.anchorX = " + p[1],
                        "v.anchorY = " + p[2]} +
                at);
    }
    row(2, "", "x.png", "", -1, {"v = display.newRect( -5, 7, 30, 40) ", "v:setFillColor( 32, 64, 128 )"},
        QStringList{"local v = display.newRect( -5, 7, 30, 40 )"} + topLeft + fill);
    row(4, "", "", "", 9, {"v = display.newCircle( -5, 7, 30) ", "v:setFillColor( 32, 64, 128 )"},
        QStringList{"local v = display.newCircle( -5, 7, 30 )"} + centre + fill);
    row(5, "", "", "", 0, {"v = display.newLine( -5, 7, 30, 40) ", "v:setFillColor( 32, 64, 128 )"},
        {"local v = display.newLine( -5, 7, 30, 40 )", "v:setStrokeColor( 32/255, 64/255, 128/255 )"});
    row(6, "g", "Hi", "Arial", 0,
        {"v = display.newText( g, \"Hi\", -5, 7, Arial, 40) ", "v:setTextColor( 32, 64, 128 )"},
        QStringList{"local v = display.newText( g, \"Hi\", -5, 7, Arial, 40 )"} + topLeft + fill);
    row(6, "", "", "", 0,
        {"v = display.newText( -5, 7, native.systemFont, 40) ", "v:setTextColor( 32, 64, 128 )"},
        QStringList{"local v = display.newText( -5, 7, native.systemFont, 40 )"} + topLeft + fill);
    row(7, "", "", "", 0, {}, {});
    row(-1, "", "", "", 0, {}, {});
}

void tst_clsDisplay::placing()
{
    QFETCH(int, kind);
    QFETCH(QString, group);
    QFETCH(QString, file);
    QFETCH(QString, font);
    QFETCH(int, reference);
    QFETCH(QStringList, v1);
    QFETCH(QStringList, v2);
    clsDisplay d;
    d.setVarName(QStringLiteral("v"));
    d.setDObjType(qint16(kind));
    d.setParGroup(group);
    d.setFilename(file);
    d.setSFontName(font);
    d.setReference(reference);
    d.setX(-5);
    d.setY(7);
    d.setSWidth(30);
    d.setSHeight(40);
    d.setSRounding(6);
    d.setColour(qint32(0xFF804020)); // bits above the lowest 24 are ignored
    d.setEventHandling(0);
    const QStringList lines = ExpectedText::lines(d.codeSnippet().value_or(QString()));
    const qsizetype at = lines.indexOf(QStringLiteral("-- CREATE the display object")) + 1;
    QCOMPARE(at ? lines.mid(at, 2) : QStringList(), v1);
    const std::optional<QString> text = d.codeSnippet(GraphicsApi::V2);
    QCOMPARE(text.value_or(QString()), v2.isEmpty() ? QString() : ExpectedText::crlf(v2));
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
