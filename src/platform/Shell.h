#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Desktop services: opening a mail link or web address, starting a program,
// and the file-existence test. Tests install a double that records instead.
class Shell
{
public:
    virtual ~Shell() = default;

    // The result is not looked at by the callers; a failure is silent.
    virtual void openUrl(const QUrl& url) = 0;
    // Starts the program detached with a normal window; false when it could not start.
    virtual bool startDetached(const QString& program) = 0;
    virtual bool fileExists(const QString& path) = 0;

    static Shell* instance();
    // Installs a shell (nullptr restores the desktop one); the caller keeps ownership.
    static void setInstance(Shell* shell);
};
