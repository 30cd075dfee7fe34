#include "ErrorBox.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Settings live under Quillet/Quillet.
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setApplicationName(QStringLiteral("Quillet"));
#ifdef QUILLET_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
#endif
    ErrorBox::install();
    frmMain window;
    // Dialogs and the About box's logo show the program's icon too.
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
