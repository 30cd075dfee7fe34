#include "GameConfig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

GameConfig GameConfig::newProjectTemplate()
{
    GameConfig config;
    config.hasContent = true;
    config.width = 320;
    config.height = 480;
    config.scale = QStringLiteral("letterbox");
    return config;
}

namespace {

int whole(const QJsonValue& value)
{
    return int(std::clamp(value.toDouble(), -2147483648.0, 2147483647.0));
}

} // namespace

GameConfig GameConfig::fromReaderOutput(const QByteArray& output, bool stopped, bool crashed)
{
    GameConfig config;
    bool configSeen = false;
    bool buildSeen = false;
    for (const QByteArray& line : output.split('\n')) {
        const QJsonObject answer = QJsonDocument::fromJson(line).object();
        const QString file = answer.value(QStringLiteral("file")).toString();
        const QString status = answer.value(QStringLiteral("status")).toString();
        const QString problem =
            file + QStringLiteral(": ") + answer.value(QStringLiteral("message")).toString();
        if (file == QLatin1String("config.lua")) {
            configSeen = true;
            if (status == QLatin1String("error")) {
                config.configProblem = problem;
            } else if (status == QLatin1String("ok")) {
                config.configRan = true;
                config.hasContent = answer.value(QStringLiteral("content")).toBool();
                if (!config.hasContent)
                    config.configProblem = QStringLiteral("config.lua: no application.content table");
                config.width = whole(answer.value(QStringLiteral("width")));
                config.height = whole(answer.value(QStringLiteral("height")));
                config.graphicsCompatibility = whole(answer.value(QStringLiteral("graphicsCompatibility")));
                config.scale = answer.value(QStringLiteral("scale")).toString();
                config.xAlign = answer.value(QStringLiteral("xAlign")).toString();
                config.yAlign = answer.value(QStringLiteral("yAlign")).toString();
                for (const QJsonValue& entry : answer.value(QStringLiteral("imageSuffix")).toArray()) {
                    const QJsonArray pair = entry.toArray();
                    config.imageSuffixes.append({pair.at(0).toString(), pair.at(1).toDouble()});
                }
                std::sort(config.imageSuffixes.begin(), config.imageSuffixes.end(),
                          [](const ImageSuffix& a, const ImageSuffix& b) { return a.scale < b.scale; });
            }
        } else if (file == QLatin1String("build.settings")) {
            buildSeen = true;
            if (status == QLatin1String("error"))
                config.buildProblem = problem;
            const QString orientation = answer.value(QStringLiteral("orientation")).toString();
            config.landscape = orientation == QLatin1String("landscapeRight") ||
                               orientation == QLatin1String("landscapeLeft");
        }
    }
    const QString why = stopped   ? QStringLiteral(": stopped after 2 s")
                        : crashed ? QStringLiteral(": the reader stopped unexpectedly")
                                  : QStringLiteral(": the reader gave no answer");
    if (!buildSeen)
        config.buildProblem = QStringLiteral("build.settings") + why;
    if (!configSeen)
        config.configProblem =
            QStringLiteral("config.lua") + (buildSeen ? why : QStringLiteral(": not read"));
    return config;
}
