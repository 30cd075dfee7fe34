#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillet"));
    window.resize(769, 476);
    window.show();
    return app.exec();
}
