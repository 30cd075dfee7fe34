#include "CommandLine.h"
#include "CommandLineExport.h"
#include "ErrorBox.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace {

int print(const CommandLine::Result& command)
{
    std::fputs(qUtf8Printable(command.output), command.toStdErr ? stderr : stdout);
    return command.exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    // Help and version are answered before any window system is needed, so they also work
    // on a terminal without a display. Anything else waits for QApplication, which takes
    // its own options (-platform, -style...) out of the list first.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine::Result command = CommandLine::parse(arguments);
    if (!command.run && (command.exitCode == 0 || command.exitCode == CommandLine::usageError))
        return print(command);
    if (!command.exportFile.isEmpty()) {
        QCoreApplication app(argc, argv);
        return CommandLineExport::run(command);
    }

    QApplication app(argc, argv);
    command = CommandLine::parse(QCoreApplication::arguments());
    if (!command.run)
        return print(command);
    // Settings live under Quillet/Quillet.
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(CommandLine::versionText().section(QLatin1Char(' '), 1));
#ifdef QUILLET_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
#endif
    ErrorBox::install();
    frmMain window;
    // Dialogs and the About box's logo show the program's icon too.
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // A file that cannot be used is reported and leaves the empty workspace.
    if (!command.fileName.isEmpty())
        window.openFile(command.fileName);
    return app.exec();
}
