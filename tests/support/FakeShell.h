#pragma once

#include "Shell.h"

#include <QSet>
#include <QStringList>
#include <QUrl>

// Records what the code asks of the desktop instead of acting; while it lives it is
// Shell::instance().
class FakeShell : public Shell
{
public:
    FakeShell() { setInstance(this); }
    ~FakeShell() override { setInstance(nullptr); }

    void openUrl(const QUrl& url) override { openedUrls.append(url); }
    bool startDetached(const QString& program) override
    {
        startedPrograms.append(program);
        return startSucceeds;
    }
    bool fileExists(const QString& path) override { return existingFiles.contains(path); }

    QList<QUrl> openedUrls;
    QStringList startedPrograms;
    QSet<QString> existingFiles; // paths fileExists answers true for, compared as given
    bool startSucceeds = true;
};
