// Saves a picture of the main window with a few objects and one of them shown, for the
// README. Run it on a display of its own:
//
//     xvfb-run -s "-screen 0 1024x768x24" build/dist/quillet_screenshot docs/screenshot.png
//
// With --check as second argument it shows an object whose snippet Lua cannot compile, with
// the code pane's message line (docs/screenshot-check.png).
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "frmMain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

namespace {

std::unique_ptr<ModelObject> display(const QString& name, qint16 kind, const QString& file)
{
    auto object = std::make_unique<clsDisplay>();
    object->init();
    object->setVarName(name);
    object->setDObjType(kind);
    object->setFilename(file);
    object->setReference(clsDisplay::Center);
    object->setX(160);
    object->setY(240);
    object->setColour(0x3366FF);
    return object;
}

void click(QTreeWidget* tree, QTreeWidgetItem* node)
{
    QWidget* viewport = tree->viewport();
    const QPointF at = tree->visualItemRect(node).center();
    const QPointF global = viewport->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(viewport, &release);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    const bool check = argc > 2 && QByteArray(argv[2]) == "--check";

    frmMain window;
    window.addObject(display(QStringLiteral("hero"), clsDisplay::Image, QStringLiteral("hero.png")));
    window.addObject(display(QStringLiteral("panel"), clsDisplay::RoundedRect, QString()));
    auto fade = std::make_unique<clsTransition>();
    fade->setVarName(QStringLiteral("hero"));
    fade->addProperty(QStringLiteral("0"), QStringLiteral("alpha"));
    window.addObject(std::move(fade));
    window.addObject(display(QStringLiteral("score"), clsDisplay::Text, QStringLiteral("Score: 0")));
    auto quit = std::make_unique<clsAlert>();
    quit->setVarName(QStringLiteral("quitAlert"));
    quit->setTitle(QStringLiteral("Quit?"));
    quit->setMessage(QStringLiteral("Leave the game?"));
    quit->addButton(QStringLiteral("1"), QStringLiteral("Yes"));
    quit->addButton(QStringLiteral("2"), QStringLiteral("No"));
    window.addObject(std::move(quit));
    if (check)
        window.addObject(
            display(QStringLiteral("banner"), clsDisplay::Text, QStringLiteral("Press \"Start\"")));
    window.show();

    QTimer::singleShot(300, [&] {
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));
        const QList<QTreeWidgetItem*> hero = tree->findItems(
            check ? QStringLiteral("banner") : QStringLiteral("hero"), Qt::MatchExactly | Qt::MatchRecursive);
        click(tree, hero.first());
    });
    QTimer::singleShot(800, [&] {
        const bool saved = window.grab().save(target);
        QCoreApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}
