#include "ProjectFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ProjectFolder {

QString findFor(const QString& workspaceFile)
{
    if (workspaceFile.isEmpty())
        return QString();
    QDir dir = QFileInfo(workspaceFile).absoluteDir();
    for (int level = 0; level < searchDepth; ++level) {
        if (QFileInfo(dir.filePath(QStringLiteral("main.lua"))).isFile())
            return dir.absolutePath();
        if (!dir.cdUp())
            break;
    }
    return QString();
}

} // namespace ProjectFolder
