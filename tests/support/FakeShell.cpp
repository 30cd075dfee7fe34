#include "FakeShell.h"

FakeShell::FakeShell()
{
    Shell::setInstance(this);
}

FakeShell::~FakeShell()
{
    Shell::setInstance(nullptr);
}

void FakeShell::openUrl(const QUrl& url)
{
    openedUrls.append(url);
}

bool FakeShell::startDetached(const QString& program)
{
    startedPrograms.append(program);
    return startSucceeds;
}

bool FakeShell::fileExists(const QString& path)
{
    checkedFiles.append(path);
    return existingFiles.contains(path);
}
