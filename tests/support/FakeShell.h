#pragma once

#include "Shell.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>

// A shell for tests that records instead of acting. While it lives it is Shell::instance();
// its destructor puts the desktop shell back (so use one at a time):
//
//     FakeShell shell;
//     shell.existingFiles.insert(QStringLiteral("C:\\Tools\\MSINFO32.EXE"));
//     ... run the code under test ...
//     QCOMPARE(shell.openedUrls, QList<QUrl>{QUrl(QStringLiteral("mailto:..."))});
class FakeShell : public Shell
{
public:
    FakeShell();
    ~FakeShell() override;
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    void openUrl(const QUrl& url) override;
    bool startDetached(const QString& program) override;
    bool fileExists(const QString& path) override;

    // What the code asked for, in order.
    QList<QUrl> openedUrls;
    QStringList startedPrograms; // every start asked for, whether it "succeeded" or not
    QStringList checkedFiles;    // every path given to fileExists

    // How the shell answers.
    QSet<QString> existingFiles; // fileExists is true for exactly these paths (compared as given)
    bool startSucceeds = true;   // what startDetached reports
};
