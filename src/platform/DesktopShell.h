#pragma once

#include "Shell.h"

// The real desktop: the default browser or mail program, detached processes, the file system.
class DesktopShell : public Shell
{
public:
    void openUrl(const QUrl& url) override;
    bool startDetached(const QString& program) override;
    bool fileExists(const QString& path) override;
};
