#include "CommandLineExport.h"

#include "ConfigReader.h"
#include "DocumentWriter.h"
#include "DocumentWriters.h"
#include "LuaTargets.h"
#include "ModelObject.h"
#include "ProjectFolder.h"
#include "SnippetCollector.h"
#include "WorkspaceFiles.h"
#include "WorkspaceReader.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int fail(const QString& text)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
    return 1;
}

// The target the game's config.lua asks for; Graphics 2.0 without a game.
const LuaTarget& targetOf(const WorkspaceReader::Result& read, const QString& fileName)
{
    QString folder;
    if (read.project.choice == ProjectLink::Choice::Folder)
        folder = read.project.folder;
    else if (read.project.choice == ProjectLink::Choice::Automatic)
        folder = ProjectFolder::findFor(fileName);
    if (folder.isEmpty())
        return *LuaTargets::find(GraphicsApi::V2);
    return LuaTargets::forCompatibility(ConfigReader::readNow(folder, DeviceProfile()).graphicsCompatibility);
}

} // namespace

int CommandLineExport::run(const CommandLine::Result& command)
{
    const DocumentWriter* writer = DocumentWriters::find(command.exportAction);
    const WorkspaceReader::Result read = WorkspaceReader::readFile(command.fileName);
    if (!writer || !read.ok())
        return fail(command.fileName + QStringLiteral(": ") + read.problem);
    const LuaTarget* target =
        command.targetKey != 0 ? LuaTargets::findKey(command.targetKey) : &targetOf(read, command.fileName);
    QList<const ModelObject*> objects;
    for (const auto& object : read.objects)
        objects << object.get();
    const SnippetCollector::Result result = writer->write(objects, *target, command.exportFile);
    if (result.copied == 0)
        return fail(QStringLiteral("No snippet to export"));
    const QString error = WorkspaceFiles::writeFile(command.exportFile, result.text.toUtf8());
    if (!error.isEmpty())
        return fail(QStringLiteral("Cannot export to %1: %2").arg(command.exportFile, error));
    std::fputs(qUtf8Printable(SnippetCollector::exportNote(result, QFileInfo(command.exportFile).fileName()) +
                              QLatin1Char('\n')),
               stderr);
    return 0;
}
