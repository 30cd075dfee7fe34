#include "CommandLine.h"

#include "BuildInfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

QString CommandLine::versionText()
{
    return QStringLiteral("%1 %2.%3.%4")
        .arg(QLatin1String(BuildInfo::title))
        .arg(BuildInfo::versionMajor)
        .arg(BuildInfo::versionMinor)
        .arg(BuildInfo::versionPatch);
}

namespace {

CommandLine::Result printing(const QString& output, int exitCode, bool toStdErr)
{
    CommandLine::Result result;
    result.run = false;
    result.output = output;
    result.exitCode = exitCode;
    result.toStdErr = toStdErr;
    return result;
}

} // namespace

CommandLine::Result CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes Lua snippets for Corona SDK display objects, transitions and alerts."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A workspace (.quillet) to open."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption exportLua(QStringLiteral("export-lua"),
                                       QStringLiteral("Write FILE's snippets to OUT, without a window."),
                                       QStringLiteral("OUT"));
    const QCommandLineOption exportScene(
        QStringLiteral("export-scene"),
        QStringLiteral("Write FILE as a Composer scene to OUT, without a window."), QStringLiteral("OUT"));
    const QCommandLineOption target(
        QStringLiteral("target"),
        QStringLiteral("With an export: graphics1 or graphics2 (default: what the game's config.lua sets)."),
        QStringLiteral("graphics1|graphics2"));
    parser.addOptions({exportLua, exportScene, target});

    Result result;
    const QString program = arguments.isEmpty() ? QStringLiteral("quillet") : arguments.first();
    const QString usage = QStringLiteral("Try '%1 --help' for more information.\n").arg(program);
    const bool exporting = std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.startsWith(QLatin1String("--export-")) || a.startsWith(QLatin1String("--target"));
    });
    const auto exportError = [&](const QString& text) {
        return printing(text + QLatin1Char('\n') + usage, usageError, true);
    };
    if (!parser.parse(arguments)) {
        result = printing(parser.errorText() + QLatin1Char('\n') + usage, exporting ? usageError : 1, true);
    } else if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QLatin1String("<executable_name>"), QFileInfo(program).fileName());
        result = printing(text, 0, false);
    } else if (parser.isSet(version)) {
        result = printing(versionText() + QLatin1Char('\n'), 0, false);
    } else if (exporting) {
        const QString targetName = parser.value(target);
        if (parser.isSet(exportLua) == parser.isSet(exportScene))
            result = exportError(QStringLiteral("Give one of --export-lua and --export-scene."));
        else if (parser.positionalArguments().size() != 1)
            result = exportError(QStringLiteral("An export needs one workspace FILE."));
        else if (parser.isSet(target) && targetName != QLatin1String("graphics1") &&
                 targetName != QLatin1String("graphics2"))
            result = exportError(
                QStringLiteral("Unknown target '%1': use graphics1 or graphics2.").arg(targetName));
        else if (parser.value(parser.isSet(exportLua) ? exportLua : exportScene).isEmpty())
            result = exportError(QStringLiteral("An export needs an OUT file."));
        else {
            result.fileName = parser.positionalArguments().first();
            result.exportAction =
                parser.isSet(exportLua) ? QStringLiteral("actExport") : QStringLiteral("actExportScene");
            result.exportFile = parser.value(parser.isSet(exportLua) ? exportLua : exportScene);
            result.targetKey = targetName.isEmpty() ? 0 : targetName.right(1).toInt();
        }
    } else if (parser.positionalArguments().size() > 1) {
        result = printing(QStringLiteral("Only one workspace can be opened at a time.\n") + usage, 1, true);
    } else if (!parser.positionalArguments().isEmpty()) {
        result.fileName = parser.positionalArguments().first();
    }
    return result;
}
