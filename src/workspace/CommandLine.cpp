#include "CommandLine.h"

#include "BuildInfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

QString CommandLine::versionText()
{
    return QStringLiteral("%1 %2.%3.%4")
        .arg(QLatin1String(BuildInfo::title))
        .arg(BuildInfo::versionMajor)
        .arg(BuildInfo::versionMinor)
        .arg(BuildInfo::versionPatch);
}

CommandLine::Result CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes Lua snippets for Corona SDK display objects, transitions and alerts."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A workspace (.quillet) to open."),
                                 QStringLiteral("[FILE]"));

    Result result;
    const QString program = arguments.isEmpty() ? QStringLiteral("quillet") : arguments.first();
    const QString usage = QStringLiteral("Try '%1 --help' for more information.\n").arg(program);
    if (!parser.parse(arguments)) {
        result = {false, {}, parser.errorText() + QLatin1Char('\n') + usage, 1, true};
    } else if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QLatin1String("<executable_name>"), QFileInfo(program).fileName());
        result = {false, {}, text, 0, false};
    } else if (parser.isSet(version)) {
        result = {false, {}, versionText() + QLatin1Char('\n'), 0, false};
    } else if (parser.positionalArguments().size() > 1) {
        result = {
            false, {}, QStringLiteral("Only one workspace can be opened at a time.\n") + usage, 1, true};
    } else if (!parser.positionalArguments().isEmpty()) {
        result.fileName = parser.positionalArguments().first();
    }
    return result;
}
