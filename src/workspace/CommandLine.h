#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line: run (with a workspace file to open,
// perhaps), or print a text (help, version, a usage error) and end with an exit code.
class CommandLine
{
public:
    struct Result
    {
        bool run = true;
        QString fileName; // when running: the workspace to open, or empty
        QString output;   // when not running: what to print
        int exitCode = 0; // when not running
        bool toStdErr = false;
        // --export-lua / --export-scene: the writer's action name, the file to write, and the
        // target key --target chose (0 for none).
        QString exportAction;
        QString exportFile;
        int targetKey = 0;
    };
    // The exit code of a usage error of the export options.
    static constexpr int usageError = 2;

    // arguments as QCoreApplication::arguments() gives them, the program first.
    static Result parse(const QStringList& arguments);
    // "Quillet 1.0.0"
    static QString versionText();
};
