#include "ConfigReader.h"
#include "ContentArea.h"

#include <QTemporaryDir>
#include <QtTest>

// A game's config.lua and build.settings, run by the reader process and mapped onto a device
// as the engine maps them. Rectangles are the device screen in content units.
class tst_ContentArea : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mapsConfig_data();
    void mapsConfig();
    void failingConfigIsReported_data();
    void failingConfigIsReported();
};

namespace {

const DeviceProfile iPhone14{QStringLiteral("iPhone 14"), QSize(390, 844), QSize(1170, 2532), false};
const DeviceProfile iPad{QStringLiteral("iPad"), QSize(768, 1024), QSize(1536, 2048), false};

const char* const templateConfig =
    "application = { content = { width = 320, height = 480, scale = \"letterbox\", fps = 60 } }";

GameConfig readGame(const QByteArray& config, const QByteArray& build, const DeviceProfile& device)
{
    QTemporaryDir game;
    for (const auto& [name, text] : {std::pair{"config.lua", config}, {"build.settings", build}}) {
        QFile file(game.filePath(QLatin1String(name)));
        if (!text.isNull() && file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    return ConfigReader::readNow(game.path(), device);
}

// To the third decimal, as the rows give them.
QRectF rounded(const QRectF& r)
{
    const auto round = [](qreal v) { return std::round(v * 1000) / 1000; };
    return QRectF(round(r.x()), round(r.y()), round(r.width()), round(r.height()));
}

} // namespace

void tst_ContentArea::mapsConfig_data()
{
    QTest::addColumn<QByteArray>("config"); // null: no config.lua
    QTest::addColumn<QByteArray>("build");
    QTest::addColumn<DeviceProfile>("device");
    QTest::addColumn<QRectF>("screen");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* config, const DeviceProfile& device, QRectF screen,
                        const char* caption, const char* build = nullptr) {
        QTest::addRow("%s, %s", name, qPrintable(device.name))
            << QByteArray(config) << QByteArray(build) << device << screen << QString::fromUtf8(caption);
    };
    // Bars above and below on a tall phone, beside the content on the wider tablet.
    row("template", templateConfig, iPhone14, {0, -106.256, 320, 692.513},
        "content 320 × 480, letterbox, Graphics 2.0");
    row("template", templateConfig, iPad, {-20, 0, 360, 480}, "content 320 × 480, letterbox, Graphics 2.0");
    const char* left =
        "application = { content = { width = 640, height = 960, scale = 'letterBox', xAlign = 'left' } }";
    row("xAlign left", left, iPhone14, {0, -212.513, 640, 1385.026}, "content 640 × 960, letterbox");
    row("xAlign left", left, iPad, {0, 0, 720, 960}, "content 640 × 960, letterbox");
    const char* even = "application = { content = { width = 320, height = 480, scale = 'ZOOMEVEN' } }";
    row("zoomEven", even, iPhone14, {49.100, 0, 221.801, 480}, "content 320 × 480, zoomEven");
    row("zoomEven", even, iPad, {0, 26.667, 320, 426.667}, "content 320 × 480, zoomEven");
    const char* stretch = "application = { content = { width = 320, height = 480, scale = 'zoomStretch' } }";
    row("zoomStretch", stretch, iPhone14, {0, 0, 320, 480}, "content 320 × 480, zoomStretch");
    row("zoomStretch", stretch, iPad, {0, 0, 320, 480}, "content 320 × 480, zoomStretch");
    row("no scale", "application = { content = { width = '320', height = 480 } }", iPad, {0, 0, 320, 480},
        "content 320 × 480, zoomStretch");
    const char* zero = "application = { content = { width = 0, height = 480, scale = 'letterbox' } }";
    row("width 0", zero, iPhone14, {0, 0, 1170, 2532}, "content 1170 × 2532, no scaling");
    row("width 0", zero, iPad, {0, 0, 1536, 2048}, "content 1536 × 2048, no scaling");
    row("no config.lua", nullptr, iPhone14, {0, 0, 1170, 2532}, "content 1170 × 2532, no scaling");
    row("no config.lua", nullptr, iPad, {0, 0, 1536, 2048}, "content 1536 × 2048, no scaling");
    const char* computed =
        "local aspect = display.pixelHeight / display.pixelWidth\n"
        "application = { content = { width = 320, height = 320 * aspect, scale = 'letterbox' } }";
    row("computed", computed, iPhone14, {0, -0.256, 320, 692.513}, "content 320 × 692, letterbox");
    row("computed", computed, iPad, {0, -0.333, 320, 426.667}, "content 320 × 426, letterbox");
    const char* sideways = "settings = { orientation = { default = 'landscapeRight' } }";
    row("landscape", templateConfig, iPhone14, {-106.256, 0, 692.513, 320}, "content 480 × 320, letterbox",
        sideways);
    row("landscape", templateConfig, iPad, {0, -20, 480, 360}, "content 480 × 320, letterbox", sideways);
    // The config's xAlign turns with the device: it now places the content vertically.
    row("landscape xAlign left", left, iPad, {0, 0, 960, 720}, "content 960 × 640, letterbox", sideways);
    const char* adaptive = "application = { content = { width = 100, height = 100, scale = 'adaptive' } }";
    row("adaptive", adaptive, iPhone14, {0, 0, 390, 844}, "content 390 × 844, adaptive");
    row("adaptive", adaptive, iPad, {0, 0, 768, 1024}, "content 768 × 1024, adaptive");
    const char* old = "application = { content = { width = 320, height = 480, scale = 'letterbox', "
                      "graphicsCompatibility = 1 } }";
    row("graphicsCompatibility 1", old, iPhone14, {0, -106.256, 320, 692.513}, "letterbox, Graphics 1.0");
    row("graphicsCompatibility 1", old, iPad, {-20, 0, 360, 480}, "letterbox, Graphics 1.0");
}

void tst_ContentArea::mapsConfig()
{
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, build);
    QFETCH(DeviceProfile, device);
    QFETCH(QRectF, screen);
    QFETCH(QString, caption);
    const GameConfig game = readGame(config, build, device);
    QCOMPARE(game.configProblem, QString());
    const ProjectContext context =
        ContentArea::contextFor(game, device, game.landscape, QStringLiteral("/games/MyGame"));
    QCOMPARE(rounded(context.screenInContent), screen);
    const QString line = ContentArea::caption(context);
    QVERIFY2(line.startsWith(QLatin1String("MyGame: ")) && line.contains(caption), qPrintable(line));
}

void tst_ContentArea::failingConfigIsReported_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("problem");
    const auto row = [](const char* name, const QByteArray& config, const char* problem) {
        QTest::newRow(name) << config << QString::fromUtf8(problem);
    };
    row("syntax error", "application = = {}", "config.lua: config.lua:1: unexpected symbol near '='");
    row("error()", "error('x')", "config.lua: config.lua:1: x");
    row("no content", "application = { }", "config.lua: no application.content table");
    row("endless loop", "while true do end", "config.lua: stopped after 2 s");
    // Backtracking inside a C function, where no count hook fires.
    row("pathological find", "string.find(string.rep('a', 40), string.rep('a?', 40) .. string.rep('a', 40))",
        "config.lua: stopped after 2 s");
    row("memory", "local s = 'x' while true do s = s .. s end", "config.lua: not enough memory");
    row("bytecode", QByteArray("\x1bLua\x51\x00", 6),
        "config.lua: precompiled Lua is refused; only Lua text is read");
    row("os.execute", "os.execute('touch /tmp/owned')",
        "config.lua: config.lua:1: attempt to call field 'execute' (a nil value)");
    row("io.open", "io.open('/etc/passwd')",
        "config.lua: config.lua:1: attempt to index global 'io' (a nil value)");
    row("require", "require 'socket'",
        "config.lua: config.lua:1: attempt to call global 'require' (a nil value)");
    row("setfenv", "setfenv(1, {})",
        "config.lua: config.lua:1: attempt to call global 'setfenv' (a nil value)");
}

void tst_ContentArea::failingConfigIsReported()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, problem);
    QElapsedTimer clock;
    clock.start();
    const GameConfig game = readGame(config, QByteArray(), iPad);
    QVERIFY(clock.elapsed() < 4000);
    QCOMPARE(game.configProblem, problem);
    // The stage goes on as the engine would: without content scaling.
    const ProjectContext context =
        ContentArea::contextFor(game, iPad, false, QStringLiteral("/games/MyGame"));
    QCOMPARE(context.mode, QStringLiteral("no scaling"));
    QCOMPARE(context.screenInContent, QRectF(0, 0, 1536, 2048));
}

QTEST_GUILESS_MAIN(tst_ContentArea)
#include "tst_ContentArea.moc"
