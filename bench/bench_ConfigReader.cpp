// Reading a game's config.lua and build.settings through the reader process: a typical config,
// and a config that loops until the reader is stopped.
#include "ConfigReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void put(const QTemporaryDir& dir, const char* name, const char* text)
{
    QFile file(dir.filePath(QLatin1String(name)));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// Milliseconds of each read, sorted.
std::vector<double> timeReads(const QString& folder, int reads, GameConfig* last)
{
    const DeviceProfile device{QStringLiteral("iPhone 14"), QSize(390, 844), QSize(1170, 2532), false};
    std::vector<double> times;
    for (int i = 0; i < reads; ++i) {
        QElapsedTimer clock;
        clock.start();
        *last = ConfigReader::readNow(folder, device);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir typical;
    put(typical, "config.lua",
        "local aspectRatio = display.pixelHeight / display.pixelWidth\n"
        "application = {\n"
        "\tcontent = {\n"
        "\t\twidth = aspectRatio > 1.5 and 320 or math.floor(480 / aspectRatio),\n"
        "\t\theight = aspectRatio < 1.5 and 480 or math.floor(320 * aspectRatio),\n"
        "\t\tscale = \"letterbox\",\n"
        "\t\tfps = 60,\n"
        "\t\timageSuffix = { [\"@2x\"] = 1.5, [\"@4x\"] = 3.0 },\n"
        "\t},\n"
        "}\n");
    put(typical, "build.settings", "settings = { orientation = { default = \"portrait\" } }\n");
    GameConfig config;
    const std::vector<double> times = timeReads(typical.path(), 50, &config);
    std::printf("%-44s median %7.2f ms  best %7.2f ms  worst %7.2f ms  (%zu reads, %d x %d)\n",
                "typical config.lua + build.settings:", times[times.size() / 2], times.front(), times.back(),
                times.size(), config.width, config.height);

    QTemporaryDir looping;
    put(looping, "config.lua", "while true do end\n");
    const std::vector<double> stopped = timeReads(looping.path(), 3, &config);
    std::printf("%-44s median %7.1f ms  (limit %d ms)  \"%s\"\n",
                "looping config.lua to its message:", stopped[stopped.size() / 2], ConfigReader::timeLimitMs,
                qPrintable(config.configProblem));
    return 0;
}
