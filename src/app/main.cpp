#include "frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    frmMain window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
