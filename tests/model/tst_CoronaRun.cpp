#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ContentArea.h"
#include "ExpectedText.h"
#include "GameConfig.h"
#include "Golden.h"
#include "LuaHarness.h"
#include "SnippetCollector.h"
#include "StagePainter.h"
#include "StageScreen.h"
#include "WorkspaceReader.h"

#include <QtTest>

#include <memory>

using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(ObjectPtr)
Q_DECLARE_METATYPE(GraphicsApi)

// Runs snippets against the Corona stand-in, as Corona's first graphics API and as
// Graphics 2.0, and lints every Graphics 2.0 snippet of these tables with luacheck.
class tst_CoronaRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runs_data();
    void runs();
    void bodies_data();
    void bodies() { runs(); }
    void copyAllStartsPhysicsOnce();
    void placement_data();
    void placement();
    void everyColourByte();
    void tapStopsAtTopmostHandler_data();
    void tapStopsAtTopmostHandler();
    void lintClean();
    void expressionsEndWhereTheStagePutsThem();
};

namespace {

std::shared_ptr<clsDisplay> display(int kind, const QString& group, int reference)
{
    auto d = std::make_shared<clsDisplay>();
    d->setVarName(QStringLiteral("v"));
    d->setDObjType(qint16(kind));
    d->setParGroup(group);
    d->setReference(reference);
    return d;
}

// Every kind with touch phases and groups, transitions with and without listeners, alerts,
// and one object whose text is broken. They use no global but the group grp, which is also
// what the transitions animate.
QList<ObjectPtr> runInputs(const QString& name = QStringLiteral("runs"))
{
    WorkspaceReader::Result read =
        WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/") + name + ".quillet");
    QList<ObjectPtr> objects;
    for (auto& object : read.objects)
        objects << ObjectPtr(std::move(object));
    return objects;
}

QList<std::pair<QString, ObjectPtr>> placedInputs()
{
    const QList<QList<int>> values{{0, 0, 10, 20, 0x000000},
                                   {-37, -12, 31, 45, 0xFFFFFF},
                                   {160, 240, 200, 120, 0x0080FF},
                                   {-5, 7, 1, 255, 0x7F01C8}};
    QList<std::pair<QString, ObjectPtr>> inputs;
    // Groups show nothing of their own; the scene runs place what is in them.
    for (int kind = 0; kind < clsDisplay::Group; ++kind) {
        // -1: no reference point, which images take as their centre.
        for (int reference = -1; reference < clsDisplay::referencePointCount; ++reference) {
            for (int i = 0; i < values.size(); ++i) {
                const QList<int>& v = values.at(i);
                auto d = display(kind, reference % 2 ? QStringLiteral("grp") : QString(), reference);
                d->setFilename(QStringLiteral("Score"));
                d->setX(v[0]);
                d->setY(v[1]);
                d->setSWidth(v[2]);
                d->setSHeight(v[3]);
                d->setSRounding(4);
                d->setColour(v[4]);
                inputs.append(
                    {QStringLiteral("kind %1, reference %2, values %3").arg(kind).arg(reference).arg(i), d});
            }
        }
    }
    return inputs;
}

} // namespace

// golden/runs.txt holds what object N of golden/runs.quillet prints when every event fires,
// under "== N (1)" for Graphics 1.0 and "== N (2)" for Graphics 2.0; bodies.txt the same for
// bodies.quillet, whose objects have physics bodies.
static void addRuns(const QString& name)
{
    QTest::addColumn<GraphicsApi>("api");
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<QStringList>("printed"); // touch phases fired in order: began, moved, cancelled, ended
    const QList<ObjectPtr> objects = runInputs(name);
    QStringList lines = ExpectedText::lines(ExpectedText::golden(name + ".txt"));
    if (objects.isEmpty() || lines.count(QString()) != 1)
        QTest::newRow("runs.quillet and runs.txt") << GraphicsApi::V1 << QString() << QStringList{"unread"};
    while (!lines.isEmpty() && lines.first().startsWith(QLatin1String("== "))) {
        const QString header = lines.takeFirst();
        const int index = header.section(QLatin1Char(' '), 1, 1).toInt() - 1;
        const GraphicsApi api = header.endsWith(QLatin1String("(1)")) ? GraphicsApi::V1 : GraphicsApi::V2;
        QStringList printed;
        while (!lines.first().startsWith(QLatin1String("== ")) && !lines.first().isEmpty())
            printed << lines.takeFirst();
        QTest::newRow(qPrintable(header))
            << api
            << objects.value(index, std::make_shared<clsTransition>())->codeSnippet(api).value_or(QString())
            << printed;
    }
}

void tst_CoronaRun::runs_data()
{
    addRuns(QStringLiteral("runs"));
}

void tst_CoronaRun::bodies_data()
{
    addRuns(QStringLiteral("bodies"));
}

// Copy All starts physics once, before the first body, also when the first object has none.
void tst_CoronaRun::copyAllStartsPhysicsOnce()
{
    QList<ObjectPtr> objects = runInputs(QStringLiteral("bodies"));
    objects.prepend(objects.value(objects.size() - 1));
    QList<const ModelObject*> given;
    for (const ObjectPtr& object : objects)
        given << object.get();
    for (GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2}) {
        const QString text = SnippetCollector::collect(given, api).text;
        const QStringList printed = LuaHarness::runWithCorona({"grp = display.newGroup()", text}, api);
        QCOMPARE(printed.value(0), QStringLiteral("physics started"));
        QCOMPARE(printed.count(QStringLiteral("physics started")), 1);
        QCOMPARE(printed.filter(QRegularExpression("^body ")).size(), objects.size() - 2);
    }
}

void tst_CoronaRun::runs()
{
    QFETCH(GraphicsApi, api);
    QFETCH(QString, snippet);
    QVERIFY(!snippet.isEmpty());
    QTEST(LuaHarness::runWithCorona({"grp = display.newGroup()", snippet, "corona.fireAll()"}, api),
          "printed");
}

void tst_CoronaRun::placement_data()
{
    QTest::addColumn<ObjectPtr>("object");
    for (const auto& [name, object] : placedInputs())
        QTest::newRow(qPrintable(name)) << object;
}

// Where the user means the object to be: the box it covers and its colour in bytes.
static QString intended(const clsDisplay& d)
{
    // The stand-in's picture size and text measure.
    const double imageWidth = 75, imageHeight = 45;
    const double textWidth = d.filename().size() * d.sHeight() / 2.0;
    const double x = d.x(), y = d.y(), w = d.sWidth(), h = d.sHeight();
    // Without a reference point an image keeps the engine's default, its centre.
    const bool known = d.reference() >= 0 && d.reference() < clsDisplay::referencePointCount;
    const double ax = known ? d.reference() % 3 / 2.0 : 0.5, ay = known ? d.reference() / 3 / 2.0 : 0.5;
    double left = x, top = y, right = x + w, bottom = y + h;
    if (d.dObjType() == clsDisplay::Image)
        left = x - ax * imageWidth, top = y - ay * imageHeight, right = left + imageWidth,
        bottom = top + imageHeight;
    else if (d.dObjType() == clsDisplay::ImageRect)
        left = x - ax * w, top = y - ay * h, right = left + w, bottom = top + h;
    else if (d.dObjType() == clsDisplay::Circle)
        left = x - w, top = y - w, right = x + w, bottom = y + w;
    else if (d.dObjType() == clsDisplay::Line)
        left = qMin(x, w), top = qMin(y, h), right = qMax(x, w), bottom = qMax(y, h);
    else if (d.dObjType() == clsDisplay::Text)
        right = x + textWidth;
    const bool isImage = d.dObjType() <= clsDisplay::ImageRect;
    const int c = d.Colour();
    return QStringLiteral("%1 %2 %3 %4 %5 ")
               .arg(clsDisplay::displayTypeName(d.dObjType()))
               .arg(left, 0, 'f', 3)
               .arg(top, 0, 'f', 3)
               .arg(right, 0, 'f', 3)
               .arg(bottom, 0, 'f', 3) +
           (isImage ? QStringLiteral("none")
                    : QStringLiteral("%1 %2 %3").arg(c & 0xFF).arg(c >> 8 & 0xFF).arg(c >> 16 & 0xFF));
}

// Each API's snippet under its own engine puts the object where the user meant it, in the
// user's colour, also in a project that changed the default anchors.
void tst_CoronaRun::placement()
{
    QFETCH(ObjectPtr, object);
    const auto& d = static_cast<const clsDisplay&>(*object);
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
}

// The engine truncates each component times 255 in single precision; n/255 must survive it.
void tst_CoronaRun::everyColourByte()
{
    for (int byte = 0; byte < 256; ++byte) {
        auto d = display(clsDisplay::Rect, QString(), 0);
        d->setColour(byte | (255 - byte) << 8 | (byte * 7 % 256) << 16);
        const QStringList got = LuaHarness::runWithCorona(
            {d->codeSnippet(GraphicsApi::V2).value(), "corona.report()"}, GraphicsApi::V2);
        QVERIFY2(
            got.value(0).endsWith(QStringLiteral(" %1 %2 %3").arg(byte).arg(255 - byte).arg(byte * 7 % 256)),
            qPrintable(got.value(0)));
    }
}

void tst_CoronaRun::tapStopsAtTopmostHandler_data()
{
    QTest::addColumn<GraphicsApi>("api");
    QTest::addColumn<QStringList>("printed");
    for (const QStringList& row : Golden::rows("model/golden/tap.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << (row.value(1) == "1" ? GraphicsApi::V1 : GraphicsApi::V2) << row.value(2).split("; ");
}

// golden/tap.quillet: a button over a background that has its own listener.
void tst_CoronaRun::tapStopsAtTopmostHandler()
{
    QFETCH(GraphicsApi, api);
    QStringList chunks;
    for (const auto& object :
         WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/tap.quillet")).objects)
        chunks << object->codeSnippet(api).value_or(QString());
    QCOMPARE(chunks.size(), 2);
    QTEST(LuaHarness::runWithCorona(chunks << "corona.tap( 120, 110 )", api), "printed");
}

// luacheck, as Lua developers lint their code, finds nothing in any of these Graphics 2.0
// snippets.
void tst_CoronaRun::lintClean()
{
    QTemporaryDir dir;
    QStringList files;
    QList<ObjectPtr> objects = runInputs() + runInputs(QStringLiteral("bodies"));
    QVERIFY(!objects.isEmpty());
    for (const auto& [name, object] : placedInputs())
        objects << object;
    for (const ObjectPtr& object : objects) {
        QFile file(dir.filePath(QStringLiteral("%1.lua").arg(files.size())));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(object->codeSnippet(GraphicsApi::V2).value_or(QString()).toUtf8());
        files << file.fileName();
    }
    QProcess luacheck;
    luacheck.setProcessChannelMode(QProcess::MergedChannels);
    luacheck.start(QStringLiteral("luacheck"),
                   QStringList{"--no-config", "--std", "lua51", "--no-max-line-length", "--formatter",
                               "plain", "--read-globals", "display", "native", "transition", "system",
                               "graphics", "easing", "timer", "Runtime", "media", "audio", "grp", "--"} +
                       files);
    QVERIFY2(luacheck.waitForFinished(120000), qPrintable(luacheck.errorString()));
    QVERIFY2(luacheck.exitStatus() == QProcess::NormalExit && luacheck.exitCode() == 0,
             qPrintable(QString::fromUtf8(luacheck.readAll())));
}

// A turned, scaled, half-transparent rect pinned to the safe area's right edge ends, under both
// engines, where the stage puts it on screens with and without a notch, also sideways.
void tst_CoronaRun::expressionsEndWhereTheStagePutsThem()
{
    clsDisplay d;
    d.setVarName(QStringLiteral("hud"));
    d.setDObjType(clsDisplay::Rect);
    d.setSWidth(40);
    d.setSHeight(20);
    d.setX(QStringLiteral("display.safeScreenOriginX + display.safeActualContentWidth - 50"));
    d.setY(QStringLiteral("(display.screenOriginY + display.actualContentHeight) / 2 - 10"));
    d.setProperties({.alpha = 0.5, .rotation = 30, .xScale = 2, .yScale = 1.5});
    const std::pair<const char*, bool> screens[] = {
        {"Classic", false}, {"iPhone X", false}, {"iPhone X", true}, {"Galaxy S21", false}, {"iPad", true}};
    for (const auto& [preset, landscape] : screens) {
        const StageScreen screen(StageScreen::presetIndex(QLatin1String(preset)), landscape);
        const ProjectContext context =
            ContentArea::contextFor(GameConfig::newProjectTemplate(), screen.device(), landscape, {});
        StagePainter stage;
        stage.setProject(context);
        stage.setObjects({&d});
        const QPointF at = stage.itemAt(1)->bounds.topLeft();
        QStringList chunks;
        const QHash<QString, double> values = ContentArea::screenValues(context);
        for (auto it = values.begin(); it != values.end(); ++it)
            chunks << QStringLiteral("%1 = %2").arg(it.key()).arg(it.value(), 0, 'g', 17);
        chunks << QString() << "o = corona.created[1]"
               << "print( math.floor( o.x + 0.5 ), math.floor( o.y + 0.5 ), o.alpha, o.rotation, o.xScale, "
                  "o.yScale )";
        for (const GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2}) {
            chunks[values.size()] = d.codeSnippet(api).value();
            QCOMPARE(LuaHarness::runWithCorona(chunks, api),
                     QStringList{QStringLiteral("%1\t%2\t0.5\t30\t2\t1.5").arg(at.x()).arg(at.y())});
        }
    }
}

QTEST_APPLESS_MAIN(tst_CoronaRun)
#include "tst_CoronaRun.moc"
