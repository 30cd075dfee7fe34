#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

void DesktopShell::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

bool DesktopShell::startDetached(const QString& program)
{
    // With an explicit (empty) argument list the path is taken whole, blanks included.
    return QProcess::startDetached(program, QStringList());
}

bool DesktopShell::fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}
