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
    void creationBlock_data();
    void creationBlock();
    void colour_data();
    void colour();
    void phases_data();
    void phases();
    void noSnippet_data();
    void noSnippet();
    void constructionAndInit();
};

// The creation call and the line after it.
static QStringList creationLines(const QString& text)
{
    const QStringList all = ExpectedText::lines(text);
    return all.mid(all.indexOf(QStringLiteral("-- CREATE the display object")) + 1, 2);
}

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

void tst_clsDisplay::creationBlock_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QString>("creation");
    QTest::addColumn<QString>("next"); // the line after the creation call
    const QString black = QStringLiteral("Color( 0, 0, 0 )");
    // clang-format off
    QTest::newRow("image, no file") << 0 << "" << "" << "Arial" << 0 << "v = display.newImage( ) " << "v:setReferencePoint( display.TopLeftReferencePoint )";
    QTest::newRow("image, no file, group") << 0 << "g" << "" << "" << 3 << "v = display.newImage( g, ) " << "v:setReferencePoint( display.CenterLeftReferencePoint )";
    QTest::newRow("image rect") << 1 << "" << "a \"b\".png" << "" << 8 << "v = display.newImageRect( \"a \"b\".png\", 30, 40) " << "v:setReferencePoint( display.BottomRightReferencePoint )";
    QTest::newRow("image rect, no file") << 1 << "" << "" << "" << 1 << "v = display.newImageRect( 30, 40) " << "v:setReferencePoint( display.TopCenterReferencePoint )";
    QTest::newRow("rect ignores file") << 2 << "" << "x.png" << "" << 0 << "v = display.newRect( -5, 7, 30, 40) " << "v:setFill" + black;
    QTest::newRow("rounded rect, group") << 3 << "g" << "" << "" << 0 << "v = display.newRoundedRect( g, -5, 7, 30, 40, 6) " << "v:setFill" + black;
    QTest::newRow("circle ignores height") << 4 << "" << "" << "" << 0 << "v = display.newCircle( -5, 7, 30) " << "v:setFill" + black;
    QTest::newRow("line") << 5 << "" << "" << "" << 0 << "v = display.newLine( -5, 7, 30, 40) " << "v:setFill" + black;
    QTest::newRow("text ignores width") << 6 << "" << "Hello" << "Arial" << 0 << "v = display.newText( \"Hello\", -5, 7, Arial, 40) " << "v:setText" + black;
    QTest::newRow("text, empty font") << 6 << "" << "Hi" << "" << 0 << "v = display.newText( \"Hi\", -5, 7, native.systemFont, 40) " << "v:setText" + black;
    QTest::newRow("text, no text, group") << 6 << "g" << "" << "Arial" << 0 << "v = display.newText( g, -5, 7, Arial, 40) " << "v:setText" + black;
    // clang-format on
}

void tst_clsDisplay::creationBlock()
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
    d.setEventHandling(15);
    const QString text = d.codeSnippet().value_or(QString());
    QCOMPARE(creationLines(text), QStringList({creation, next}));

    // Only the creation line and the dispatcher's branch lines end in a blank.
    for (const QString& line : ExpectedText::lines(text)) {
        if (line.endsWith(QLatin1Char(' ')))
            QVERIFY2(line == creation || line.endsWith(QLatin1String(" == event.phase then ")),
                     qPrintable(line));
    }
    QCOMPARE(d.codeSnippet(), std::optional<QString>(text));
}

void tst_clsDisplay::colour_data()
{
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<QString>("components");
    QTest::newRow("orange") << 33023 << "255, 128, 0";
    QTest::newRow("blue 255 green 128 red 64") << 0xFF8040 << "64, 128, 255";
    QTest::newRow("bits above 23 ignored") << 0x7F123456 << "86, 52, 18";
    QTest::newRow("all bits set") << -1 << "255, 255, 255";
}

void tst_clsDisplay::colour()
{
    QFETCH(qint32, colour);
    QFETCH(QString, components);
    for (qint16 kind : {clsDisplay::Circle, clsDisplay::Text}) {
        clsDisplay d;
        d.setVarName(QStringLiteral("c"));
        d.setDObjType(kind);
        d.setColour(colour);
        QCOMPARE(d.Colour(), colour);
        const QString call = kind == clsDisplay::Text ? QStringLiteral("Text") : QStringLiteral("Fill");
        QCOMPARE(creationLines(d.codeSnippet().value_or(QString())).value(1),
                 "c:set" + call + "Color( " + components + " )");
    }
}

void tst_clsDisplay::phases_data()
{
    QTest::addColumn<qint32>("eventHandling");
    QTest::addColumn<QStringList>("phases");
    QTest::newRow("none") << 0 << QStringList();
    QTest::newRow("began") << 1 << QStringList{"began"};
    QTest::newRow("only ended uses if") << 4 << QStringList{"ended"};
    QTest::newRow("cancelled before ended") << 12 << QStringList{"cancelled", "ended"};
    QTest::newRow("moved and cancelled") << 10 << QStringList{"moved", "cancelled"};
    QTest::newRow("higher bits ignored") << (16 | 2) << QStringList{"moved"};
}

void tst_clsDisplay::phases()
{
    QFETCH(qint32, eventHandling);
    QFETCH(QStringList, phases);
    clsDisplay d;
    d.setVarName(QStringLiteral("v"));
    d.setDObjType(clsDisplay::Rect);
    d.setEventHandling(eventHandling);
    const QStringList lines = ExpectedText::lines(d.codeSnippet().value_or(QString()));

    auto captured = [&](const char* pattern) {
        const QRegularExpression re(QString::fromLatin1(pattern));
        QStringList found;
        for (const QString& line : lines) {
            const QRegularExpressionMatch m = re.match(line);
            if (m.hasMatch())
                found.append(m.captured(1));
        }
        return found;
    };
    QCOMPARE(captured("^local v_touch_(\\w+)=\\{\\}$"), phases);
    QCOMPARE(captured("^function v_touch_(\\w+) \\( event \\)$"), phases);
    QCOMPARE(captured("^\\tprint \\( \"touch (\\w+) - v\" \\)$"), phases);

    QStringList dispatcher;
    for (const QString& p : phases) {
        dispatcher << (dispatcher.isEmpty() ? "\tif \"" : "\telseif \"") + p + "\" == event.phase then "
                   << "\t\tv_touch_" + p + " ( event )";
    }
    dispatcher << (phases.isEmpty() ? QStringList{"end"} : QStringList{"end", "end"});
    const qsizetype start = lines.indexOf(QStringLiteral("function v_touch ( event )")) + 1;
    QCOMPARE(lines.mid(start, dispatcher.size() + 1),
             dispatcher + QStringList{"--END declaring the handler event"});
}

void tst_clsDisplay::noSnippet_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reference");
    QTest::addColumn<bool>("produced");
    QTest::newRow("kind 7") << 7 << 0 << false;
    QTest::newRow("kind 9") << 9 << 0 << false;
    QTest::newRow("kind -1") << -1 << 0 << false;
    QTest::newRow("image, no reference picked") << 0 << -1 << false;
    QTest::newRow("image rect, reference 9") << 1 << 9 << false;
    QTest::newRow("image, reference 8") << 0 << 8 << true;
    QTest::newRow("rect never reads reference") << 2 << -1 << true;
    QTest::newRow("text never reads reference") << 6 << 100 << true;
}

void tst_clsDisplay::noSnippet()
{
    QFETCH(int, kind);
    QFETCH(int, reference);
    QFETCH(bool, produced);
    clsDisplay d;
    d.setDObjType(qint16(kind));
    d.setReference(reference);
    QCOMPARE(d.dObjType(), kind);
    QCOMPARE(d.reference(), reference);
    QCOMPARE(d.codeSnippet().has_value(), produced);
}

void tst_clsDisplay::constructionAndInit()
{
    clsDisplay d;
    QCOMPARE(d.ObjType(), QStringLiteral("Display"));
    QCOMPARE(QStringList({d.varName(), d.parGroup(), d.filename(), d.sFontName()}), QStringList(4));
    QCOMPARE(QList<qint32>({d.dObjType(), d.eventHandling(), d.x(), d.y(), d.sWidth(), d.sHeight(),
                            d.sRounding(), d.reference(), d.Colour()}),
             QList<qint32>(9, 0));

    d.setSFontName(QStringLiteral("Arial"));
    d.setParGroup(QStringLiteral("g"));
    d.setColour(0xFFFFFF);
    d.setDObjType(clsDisplay::Text);
    d.init();
    QCOMPARE(QStringList({d.varName(), d.parGroup(), d.filename(), d.sFontName()}),
             QStringList({"Untitled", "", "unitled.png", "Arial"}));
    QCOMPARE(QList<qint32>({d.dObjType(), d.eventHandling(), d.x(), d.y(), d.sWidth(), d.sHeight(),
                            d.sRounding(), d.reference(), d.Colour()}),
             QList<qint32>({1, 15, 10, 10, 100, 100, 0, 1, 0}));
    QCOMPARE(d.ObjType(), QStringLiteral("Display"));
}

QTEST_APPLESS_MAIN(tst_clsDisplay)
#include "tst_clsDisplay.moc"
