#include "clsDisplay.h"
#include "ExpectedText.h"

#include <QtTest>

using ExpectedText::crlf;

class tst_clsDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExampleImage();
    void workedExampleRoundedRect();
    void creation_data();
    void creation();
    void graphics2_data();
    void graphics2();
    void initRestoresDefaults();
};

void tst_clsDisplay::workedExampleImage()
{
    clsDisplay d;
    d.setVarName(QStringLiteral("hero"));
    d.setDObjType(clsDisplay::Image);
    d.setFilename(QStringLiteral("hero.png"));
    d.setReference(clsDisplay::Center);
    d.setX(160);
    d.setY(240);
    d.setEventHandling(15);
    QStringList expected = {
        "-- START the display object Declaration",
        "local hero={}",
        "local hero_touch={}",
        "local hero_touch_began={}",
        "local hero_touch_moved={}",
        "local hero_touch_cancelled={}",
        "local hero_touch_ended={}",
        "",
        "-- CREATE the display object",
        "hero = display.newImage( \"hero.png\") ",
        "hero:setReferencePoint( display.CenterReferencePoint )",
        "hero.x = 160",
        "hero.y = 240",
        "",
        "--Start declaring the handler event",
        "function hero_touch ( event )",
        "\tif \"began\" == event.phase then ",
        "\t\thero_touch_began ( event )",
        "\telseif \"moved\" == event.phase then ",
        "\t\thero_touch_moved ( event )",
        "\telseif \"cancelled\" == event.phase then ",
        "\t\thero_touch_cancelled ( event )",
        "\telseif \"ended\" == event.phase then ",
        "\t\thero_touch_ended ( event )",
        "end",
        "end",
        "--END declaring the handler event",
        "",
    };
    for (const char* p : {"began", "moved", "cancelled", "ended"}) {
        const QString phase = QString::fromLatin1(p);
        const QString title = phase.at(0).toUpper() + phase.mid(1);
        expected << "--Start declaring the on" + title + " event"
                 << "function hero_touch_" + phase + " ( event )"
                 << "\t-- TODO: write your touch handling code here for " + phase
                 << "\tprint ( \"touch " + phase + " - hero\" )"
                 << "end"
                 << "--End declaring the on" + title + " event"
                 << "";
    }
    expected << "--Start declaring the event listener"
             << "hero:addEventListener ( \"touch\", hero_touch )"
             << "--end declaring the event listener";
    QCOMPARE(d.codeSnippet().value_or(QString()), crlf(expected));
}

void tst_clsDisplay::workedExampleRoundedRect()
{
    clsDisplay d;
    d.setVarName(QStringLiteral("panel"));
    d.setDObjType(clsDisplay::RoundedRect);
    d.setParGroup(QStringLiteral("menuGroup"));
    d.setX(20);
    d.setY(40);
    d.setSWidth(200);
    d.setSHeight(120);
    d.setSRounding(12);
    d.setColour(33023);
    d.setEventHandling(0);
    d.setReference(-1); // never read for shapes
    QCOMPARE(d.codeSnippet().value_or(QString()),
             crlf({
                 "-- START the display object Declaration",
                 "local panel={}",
                 "local panel_touch={}",
                 "",
                 "-- CREATE the display object",
                 "panel = display.newRoundedRect( menuGroup, 20, 40, 200, 120, 12) ",
                 "panel:setFillColor( 255, 128, 0 )",
                 "",
                 "--Start declaring the handler event",
                 "function panel_touch ( event )",
                 "end",
                 "--END declaring the handler event",
                 "",
                 "--Start declaring the event listener",
                 "panel:addEventListener ( \"touch\", panel_touch )",
                 "--end declaring the event listener",
             }));
}

// next: the reference point for images, else Fill or Text, the colour call's kind.
static void row(int kind, const char* group, const char* file, const char* font, int reference,
                const char* creation = "", const char* next = "")
{
    QTest::addRow("kind %d, reference %d, %s", kind, reference, creation)
        << kind << QString(group) << QString(file) << QString(font) << reference << QString(creation)
        << QString(next);
}

void tst_clsDisplay::creation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QString>("creation"); // empty: no snippet at all
    QTest::addColumn<QString>("next");
    row(0, "g", "", "", 8, "Image( g, ) ", "BottomRight");
    row(1, "", "a \"b\".png", "", 0, "ImageRect( \"a \"b\".png\", 30, 40) ", "TopLeft");
    // Every reference point's name, so that a misspelt one shows.
    int reference = 1;
    for (const char* name :
         {"TopCenter", "TopRight", "CenterLeft", "Center", "CenterRight", "BottomLeft", "BottomCenter"})
        row(1, "", "", "", reference++, "ImageRect( 30, 40) ", name);
    row(2, "", "x.png", "", -1, "Rect( -5, 7, 30, 40) ", "Fill");
    row(4, "", "", "", 9, "Circle( -5, 7, 30) ", "Fill");
    row(5, "", "", "", 0, "Line( -5, 7, 30, 40) ", "Fill");
    row(6, "g", "Hi", "Arial", 0, "Text( g, \"Hi\", -5, 7, Arial, 40) ", "Text");
    row(6, "", "", "", 0, "Text( -5, 7, native.systemFont, 40) ", "Text");
    row(7, "", "", "", 0);
    row(-1, "", "", "", 0);
    row(0, "", "x.png", "", -1);
    row(1, "", "x.png", "", 9);
}

void tst_clsDisplay::creation()
{
    QFETCH(int, kind);
    QFETCH(QString, group);
    QFETCH(QString, file);
    QFETCH(QString, font);
    QFETCH(int, reference);
    QFETCH(QString, creation);
    QFETCH(QString, next);
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
    QStringList expected;
    if (!creation.isEmpty())
        expected << "v = display.new" + creation
                 << (kind < 2 ? "v:setReferencePoint( display." + next + "ReferencePoint )"
                              : "v:set" + next + "Color( 32, 64, 128 )");
    const QStringList lines = ExpectedText::lines(d.codeSnippet().value_or(QString()));
    const qsizetype at = lines.indexOf(QStringLiteral("-- CREATE the display object")) + 1;
    QCOMPARE(at ? lines.mid(at, 2) : QStringList(), expected);
}

void tst_clsDisplay::graphics2_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QStringList>("next"); // the lines between the creation line and the empty one
    const auto images = [](int kind, int reference, const char* ax, const char* ay) {
        QTest::addRow("kind %d, reference %d", kind, reference)
            << kind << reference << 0x123456
            << QStringList{QStringLiteral("v.anchorX = ") + ax, QStringLiteral("v.anchorY = ") + ay,
                           "v.x = -5", "v.y = 7"};
    };
    // Every point's placement is proven by running it; here the text of three of them.
    images(0, 0, "0", "0");
    images(1, 5, "1", "0.5");
    images(0, 7, "0.5", "1");
    const QStringList topLeft{"v.anchorX = 0", "v.anchorY = 0"};
    QTest::newRow("rect, mid colours")
        << 2 << -1 << int(0xFF804020) << topLeft + QStringList{"v:setFillColor( 32/255, 64/255, 128/255 )"};
    QTest::newRow("rounded rect, 0 and 255")
        << 3 << 9 << 0x00FF00 << topLeft + QStringList{"v:setFillColor( 0, 1, 0 )"};
    QTest::newRow("circle") << 4 << 0 << 0xFFFFFF
                            << QStringList{"v.anchorX = 0.5", "v.anchorY = 0.5", "v:setFillColor( 1, 1, 1 )"};
    QTest::newRow("line") << 5 << 0 << 0x0000FE << QStringList{"v:setStrokeColor( 254/255, 0, 0 )"};
    QTest::newRow("text") << 6 << 0 << 0x010000 << topLeft + QStringList{"v:setFillColor( 0, 0, 1/255 )"};
    QTest::newRow("image without reference") << 1 << -1 << 0 << QStringList();
}

// Graphics 2.0 only changes the lines that place and colour the object.
void tst_clsDisplay::graphics2()
{
    QFETCH(int, kind);
    QFETCH(int, reference);
    QFETCH(int, colour);
    QFETCH(QStringList, next);
    clsDisplay d;
    d.setVarName(QStringLiteral("v"));
    d.setDObjType(qint16(kind));
    d.setFilename(QStringLiteral("Hi"));
    d.setReference(reference);
    d.setX(-5);
    d.setY(7);
    d.setColour(colour);
    d.setEventHandling(9);
    const std::optional<QString> v2 = d.codeSnippet(GraphicsApi::V2);
    QCOMPARE(v2.has_value(), !next.isEmpty());
    if (!v2)
        return;
    const auto split = [](const QString& text) {
        QStringList lines = ExpectedText::lines(text);
        const qsizetype from = lines.indexOf(QStringLiteral("-- CREATE the display object")) + 2;
        const qsizetype to = lines.indexOf(QString(), from);
        const QStringList middle = lines.mid(from, to - from);
        lines.remove(from, to - from);
        return std::make_pair(lines, middle);
    };
    const auto [rest2, next2] = split(*v2);
    QCOMPARE(next2, next);
    QCOMPARE(rest2, split(d.codeSnippet().value()).first);
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
