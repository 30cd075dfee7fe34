#include "ConfigReader.h"
#include "ContentArea.h"
#include "Golden.h"
#include "ProjectSession.h"

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
    void otherDeviceReadsAgain();
};

namespace {

const DeviceProfile iPhone14{QStringLiteral("iPhone 14"), QSize(390, 844), QSize(1170, 2532), false};
const DeviceProfile iPad{QStringLiteral("iPad"), QSize(768, 1024), QSize(1536, 2048), false};
const DeviceProfile android{QStringLiteral("Android phone"), QSize(360, 640), QSize(1080, 1920), true};

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
    for (const QStringList& row : Golden::rows("project/golden/ContentArea.txt")) {
        const DeviceProfile& device = row.value(1) == "phone"     ? iPhone14
                                      : row.value(1) == "android" ? android
                                                                  : iPad;
        const QStringList r = row.value(4).split(' ');
        QTest::addRow("%s, %s", qPrintable(row.value(0)), qPrintable(device.name))
            << (row.value(2) == "-" ? QByteArray() : row.value(2).toUtf8())
            << (row.value(3).isEmpty() ? QByteArray() : row.value(3).toUtf8()) << device
            << QRectF(r.value(0).toDouble(), r.value(1).toDouble(), r.value(2).toDouble(),
                      r.value(3).toDouble())
            << row.value(5);
    }
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
    // The root has no name: its path stands in.
    QVERIFY(ContentArea::caption(ContentArea::contextFor(game, device, false, QDir::rootPath()))
                .startsWith(QDir::toNativeSeparators(QDir::rootPath()) + QStringLiteral(": ")));
}

void tst_ContentArea::failingConfigIsReported_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("problem");
    for (const QStringList& row : Golden::rows("project/golden/FailingConfig.txt"))
        QTest::newRow(qPrintable(row.value(0))) << row.value(1).toUtf8() << row.value(2);
    QTest::newRow("bytecode") << QByteArray("\x1bLua\x51\x00", 6)
                              << "config.lua: precompiled Lua is refused; only Lua text is read";
}

void tst_ContentArea::failingConfigIsReported()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, problem);
    QElapsedTimer clock;
    clock.start();
    const GameConfig game =
        readGame(config, "settings = { orientation = { default = 'landscapeLeft' } }", iPad);
    QVERIFY(clock.elapsed() < 4000);
    QCOMPARE(game.configProblem, problem);
    QCOMPARE(game.buildProblem, QString()); // build.settings is read all the same
    QVERIFY(game.landscape);
    // The stage goes on as the engine would: without content scaling.
    const ProjectContext context =
        ContentArea::contextFor(game, iPad, false, QStringLiteral("/games/MyGame"));
    QCOMPARE(context.mode, QStringLiteral("no scaling"));
    QCOMPARE(context.screenInContent, QRectF(0, 0, 1536, 2048));
}

// A config may ask for the device's pixels: another device runs it again.
void tst_ContentArea::otherDeviceReadsAgain()
{
    QTemporaryDir game;
    QFile file(game.filePath(QStringLiteral("config.lua")));
    QVERIFY(file.open(QIODevice::WriteOnly) &&
            file.write("application = { content = { width = display.pixelWidth / 2, height = 480 } }") > 0);
    file.close();
    ProjectSession session;
    session.setDevice(iPad, false);
    session.setFolder(game.path());
    QTRY_COMPARE(session.config().width, 768);
    session.setDevice(iPhone14, false);
    QTRY_COMPARE(session.config().width, 585);
}

QTEST_GUILESS_MAIN(tst_ContentArea)
#include "tst_ContentArea.moc"
