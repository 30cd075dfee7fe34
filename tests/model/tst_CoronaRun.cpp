#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "LuaHarness.h"

#include <QtTest>

Q_DECLARE_METATYPE(GraphicsApi)

// Runs snippets against the Corona stand-in, as Corona's first graphics API and as
// Graphics 2.0, and fires every event Corona could fire.
class tst_CoronaRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runs_data();
    void runs();
    void placement_data();
    void placement();
    void everyColourByte();
};

static void row(const QString& name, const ModelObject& object, const QStringList& printed)
{
    for (const GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2})
        QTest::newRow(qPrintable(name + (api == GraphicsApi::V1 ? " (1)" : " (2)")))
            << api << object.codeSnippet(api).value_or(QString()) << printed;
}

void tst_CoronaRun::runs_data()
{
    QTest::addColumn<GraphicsApi>("api");
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
    // A table gets its method too late to be taken as the alert's listener.
    for (const GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2})
        QTest::newRow("alert handler written after the call")
            << api
            << "local t = {}\nnative.showAlert( \"T\", \"M\", { \"OK\" }, t )\n"
               "function t:completion( event ) print( \"clicked\" ) end"
            << QStringList{"ERROR: native.showAlert() expects a listener as argument #4 (got table)"};
}

void tst_CoronaRun::runs()
{
    QFETCH(GraphicsApi, api);
    QFETCH(QString, snippet);
    QFETCH(QStringList, printed);
    QVERIFY(!snippet.isEmpty());
    const QStringList got =
        LuaHarness::runWithCorona({"grp = display.newGroup()", snippet, "corona.fireAll()"}, api);
    if (printed == QStringList{"<error>"})
        QVERIFY(got.value(0).startsWith(QLatin1String("<error>")));
    else
        QCOMPARE(got, printed);
}

void tst_CoronaRun::placement_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QList<int>>("values"); // x, y, width, height, colour
    const QList<QList<int>> values{{0, 0, 10, 20, 0x000000},
                                   {-37, -12, 31, 45, 0xFFFFFF},
                                   {160, 240, 200, 120, 0x0080FF},
                                   {-5, 7, 1, 255, 0x7F01C8}};
    for (int kind = 0; kind < clsDisplay::kindCount; ++kind) {
        for (int reference = 0; reference < clsDisplay::referencePointCount; ++reference) {
            for (const QList<int>& v : values)
                QTest::addRow("kind %d, reference %d, at %d, %d", kind, reference, v[0], v[1])
                    << kind << reference << v;
        }
    }
}

// Where the user means the object to be: the box it covers and its colour in bytes.
static QString intended(const clsDisplay& d)
{
    // The stand-in's picture size and text measure.
    const double imageWidth = 75, imageHeight = 45;
    const double textWidth = d.filename().size() * d.sHeight() / 2.0;
    const double x = d.x(), y = d.y(), w = d.sWidth(), h = d.sHeight();
    const double ax = d.reference() % 3 / 2.0, ay = d.reference() / 3 / 2.0;
    double left = x, top = y, right = x + w, bottom = y + h;
    switch (d.dObjType()) {
    case clsDisplay::Image:
        left = x - ax * imageWidth, top = y - ay * imageHeight;
        right = left + imageWidth, bottom = top + imageHeight;
        break;
    case clsDisplay::ImageRect:
        left = x - ax * w, top = y - ay * h, right = left + w, bottom = top + h;
        break;
    case clsDisplay::Circle:
        left = x - w, top = y - w, right = x + w, bottom = y + w;
        break;
    case clsDisplay::Line:
        left = qMin(x, w), top = qMin(y, h), right = qMax(x, w), bottom = qMax(y, h);
        break;
    case clsDisplay::Text:
        right = x + textWidth;
        break;
    }
    const bool isImage = d.dObjType() <= clsDisplay::ImageRect;
    const QString colour = isImage ? QStringLiteral("none")
                                   : QStringLiteral("%1 %2 %3")
                                         .arg(d.Colour() & 0xFF)
                                         .arg(d.Colour() >> 8 & 0xFF)
                                         .arg(d.Colour() >> 16 & 0xFF);
    QStringList fields{clsDisplay::displayTypeName(d.dObjType())};
    for (const double v : {left, top, right, bottom})
        fields << QString::number(v, 'f', 3);
    return (fields << colour).join(QLatin1Char(' '));
}

// Each API's snippet under its own engine puts the object where the user meant it, in the
// user's colour, also in a project that changed the default anchors.
void tst_CoronaRun::placement()
{
    QFETCH(int, kind);
    QFETCH(int, reference);
    QFETCH(QList<int>, values);
    clsDisplay d;
    d.setVarName(QStringLiteral("v"));
    d.setDObjType(qint16(kind));
    d.setReference(reference);
    d.setFilename(QStringLiteral("Score"));
    d.setParGroup(reference % 2 ? QStringLiteral("grp") : QString());
    d.setX(values[0]);
    d.setY(values[1]);
    d.setSWidth(values[2]);
    d.setSHeight(values[3]);
    d.setSRounding(4);
    d.setColour(values[4]);
    const QString v1 = d.codeSnippet(GraphicsApi::V1).value();
    const QString v2 = d.codeSnippet(GraphicsApi::V2).value();
    const QString group = QStringLiteral("grp = display.newGroup()");
    const QString report = QStringLiteral("corona.report()");
    const QStringList expected{intended(d)};
    QCOMPARE(LuaHarness::runWithCorona({group, v1, report}, GraphicsApi::V1), expected);
    QCOMPARE(LuaHarness::runWithCorona({group, v2, report}, GraphicsApi::V2), expected);
    QCOMPARE(LuaHarness::runWithCorona({group, "display.setDefault( \"anchorX\", 0 )",
                                        "display.setDefault( \"anchorY\", 1 )", v2, report},
                                       GraphicsApi::V2),
             expected);
    if (kind <= clsDisplay::ImageRect)
        QVERIFY(
            LuaHarness::runWithCorona({group, v1}, GraphicsApi::V2)
                .value(0)
                .contains(QLatin1String("setReferencePoint() is only available in graphicsCompatibility 1.0 "
                                        "mode. Use anchor points instead.")));
}

// The engine truncates each component times 255 in single precision; n/255 must survive it.
void tst_CoronaRun::everyColourByte()
{
    for (int byte = 0; byte < 256; ++byte) {
        clsDisplay d;
        d.setVarName(QStringLiteral("v"));
        d.setDObjType(clsDisplay::Rect);
        d.setColour(byte | (255 - byte) << 8 | (byte * 7 % 256) << 16);
        const QString colour = QStringLiteral(" %1 %2 %3").arg(byte).arg(255 - byte).arg(byte * 7 % 256);
        const QStringList got = LuaHarness::runWithCorona(
            {d.codeSnippet(GraphicsApi::V2).value(), "corona.report()"}, GraphicsApi::V2);
        QVERIFY2(got.value(0).endsWith(colour), qPrintable(got.value(0)));
    }
}

QTEST_APPLESS_MAIN(tst_CoronaRun)
#include "tst_CoronaRun.moc"
