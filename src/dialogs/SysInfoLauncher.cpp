#include "SysInfoLauncher.h"

#include "BuildInfo.h"
#include "MessageBox.h"
#include "RegistryReader.h"
#include "Shell.h"

#include <optional>

namespace {
// Where the tool's full path is registered.
const QString pathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString pathValue = QStringLiteral("PATH");
// Where only its folder is registered, on systems that lack the key above.
const QString folderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString folderValue = QStringLiteral("MSINFO");
const QString toolFile = QStringLiteral("\\MSINFO32.EXE");

// The tool's path, or nothing when the registry does not lead to it.
std::optional<QString> toolPath()
{
    QString path;
    if (GetKeyValue(RegistryReader::HKEY_LOCAL_MACHINE_, pathKey, pathValue, &path))
        return path; // taken as it is: a missing file shows up as a failed start
    QString folder;
    if (!GetKeyValue(RegistryReader::HKEY_LOCAL_MACHINE_, folderKey, folderValue, &folder))
        return std::nullopt;
    path = folder + toolFile;
    if (!Shell::instance()->fileExists(path))
        return std::nullopt;
    return path;
}
} // namespace

void SysInfoLauncher::StartSysInfo(QWidget* owner)
{
    const std::optional<QString> path = toolPath();
    if (path && Shell::instance()->startDetached(*path))
        return;
    MessageBox::show(owner, MessageBox::Icon::None, QString::fromLatin1(BuildInfo::title), unavailableText);
}
