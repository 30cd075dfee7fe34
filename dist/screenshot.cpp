// Saves a picture of the main window with a few objects and one of them shown, for the
// README. Run it on a display of its own:
//
//     xvfb-run -s "-screen 0 1024x768x24" build/dist/quillet_screenshot docs/screenshot.png
//
// With --check as second argument it shows an object whose snippet Lua cannot compile, with
// the code pane's message line (docs/screenshot-check.png); with --stage, the stage beside the
// panes with several kinds of object and one selected (docs/stage.png); with --pictures, a
// game's real pictures on the stage and a missing one named in the check line
// (docs/stage-pictures.png; on a 1600 x 1000 screen, so that the stage docks beside the panes).
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FileDialog.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
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

std::unique_ptr<clsDisplay> placed(const QString& name, qint16 kind, QRect geometry, qint32 colour)
{
    auto object = std::make_unique<clsDisplay>();
    object->init();
    object->setVarName(name);
    object->setDObjType(kind);
    object->setX(geometry.x());
    object->setY(geometry.y());
    object->setSWidth(geometry.width());
    object->setSHeight(geometry.height());
    object->setColour(colour);
    return object;
}

// A small scene with every kind of display object, one of them off the screen.
void fillStage(frmMain& window)
{
    window.addObject(placed(QStringLiteral("sky"), clsDisplay::Rect, QRect(0, 0, 320, 300), 0x7A4A1E));
    auto sun = placed(QStringLiteral("sun"), clsDisplay::Circle, QRect(250, 70, 36, 0), 0x3DC8FF);
    window.addObject(std::move(sun));
    window.addObject(placed(QStringLiteral("ground"), clsDisplay::Rect, QRect(0, 300, 320, 180), 0x2E7D3B));
    window.addObject(placed(QStringLiteral("horizon"), clsDisplay::Line, QRect(0, 300, 320, 300), 0xFFFFFF));
    auto panel = placed(QStringLiteral("panel"), clsDisplay::RoundedRect, QRect(20, 380, 130, 60), 0x3366FF);
    panel->setSRounding(12);
    window.addObject(std::move(panel));
    auto score = placed(QStringLiteral("score"), clsDisplay::Text, QRect(20, 16, 0, 28), 0xFFFFFF);
    score->setFilename(QStringLiteral("Score: 120"));
    score->setSFontName(QStringLiteral("native.systemFontBold"));
    window.addObject(std::move(score));
    auto hero = placed(QStringLiteral("hero"), clsDisplay::ImageRect, QRect(160, 300, 80, 96), 0);
    hero->setFilename(QStringLiteral("hero.png"));
    hero->setReference(clsDisplay::BottomCenter);
    window.addObject(std::move(hero));
    auto jump = std::make_unique<clsTransition>();
    jump->setVarName(QStringLiteral("hero"));
    jump->setTransitionDirection(0);
    jump->addProperty(QStringLiteral("230"), QStringLiteral("x"));
    jump->addProperty(QStringLiteral("200"), QStringLiteral("y"));
    window.addObject(std::move(jump));
    window.addObject(
        placed(QStringLiteral("cloud"), clsDisplay::RoundedRect, QRect(270, 150, 90, 30), 0xEEEEEE));
}

// Draws a picture of the given pixel size into the game's folder.
void drawPicture(const QString& path, QSize size, const std::function<void(QPainter&, QRectF)>& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    image.save(path);
}

// A small game: a background with its @2x version, a logo, a hero, a coin whose name is
// written with the wrong case and an enemy whose file is missing.
void fillPictures(frmMain& window, const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("images"));
    const auto background = [](QPainter& p, QRectF r) {
        QLinearGradient sky(r.topLeft(), r.bottomLeft());
        sky.setColorAt(0, QColor(40, 110, 200));
        sky.setColorAt(1, QColor(170, 220, 250));
        p.fillRect(r, sky);
        p.fillRect(QRectF(0, r.height() * 0.8, r.width(), r.height() * 0.2), QColor(60, 150, 70));
        p.setBrush(QColor(255, 230, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(r.width() * 0.8, r.height() * 0.15), r.width() * 0.08, r.width() * 0.08);
    };
    drawPicture(folder + QStringLiteral("/images/bg.png"), QSize(320, 480), background);
    drawPicture(folder + QStringLiteral("/images/bg@2x.png"), QSize(640, 960), background);
    drawPicture(folder + QStringLiteral("/images/logo.png"), QSize(200, 56), [](QPainter& p, QRectF r) {
        p.setBrush(QColor(255, 255, 255, 220));
        p.setPen(QPen(QColor(30, 60, 120), 3));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 14, 14);
        QFont font = p.font();
        font.setPixelSize(30);
        font.setBold(true);
        p.setFont(font);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("SKY HOP"));
    });
    drawPicture(folder + QStringLiteral("/images/hero.png"), QSize(80, 96), [](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 90, 60));
        p.drawRoundedRect(QRectF(r.width() * 0.25, r.height() * 0.4, r.width() * 0.5, r.height() * 0.6), 10,
                          10);
        p.setBrush(QColor(250, 210, 170));
        p.drawEllipse(QPointF(r.center().x(), r.height() * 0.25), r.width() * 0.22, r.width() * 0.22);
    });
    drawPicture(folder + QStringLiteral("/images/coin.png"), QSize(32, 32), [](QPainter& p, QRectF r) {
        p.setBrush(QColor(250, 200, 40));
        p.setPen(QPen(QColor(190, 130, 20), 3));
        p.drawEllipse(r.adjusted(2, 2, -2, -2));
    });
    const auto add = [&](const char* name, qint16 kind, const char* file, QRect geometry, qint32 reference) {
        auto object = placed(QString::fromLatin1(name), kind, geometry, 0);
        object->setFilename(QString::fromLatin1(file));
        object->setReference(reference);
        window.addObject(std::move(object));
    };
    add("bg", clsDisplay::ImageRect, "images/bg.png", QRect(0, 0, 320, 480), clsDisplay::TopLeft);
    add("logo", clsDisplay::Image, "images/logo.png", QRect(160, 90, 0, 0), clsDisplay::Center);
    add("hero", clsDisplay::ImageRect, "images/hero.png", QRect(160, 384, 80, 96), clsDisplay::BottomCenter);
    add("coin", clsDisplay::Image, "images/Coin.png", QRect(90, 250, 0, 0), clsDisplay::Center);
    add("enemy", clsDisplay::Image, "images/enemy.png", QRect(240, 330, 0, 0), clsDisplay::Center);
    // Tied as a user ties it, so that the stage reads the game's config.lua.
    QFile config(folder + QStringLiteral("/config.lua"));
    config.open(QIODevice::WriteOnly);
    config.write("application = { content = { width = 320, height = 480, scale = \"letterbox\",\n"
                 "  imageSuffix = { [\"@2x\"] = 2 } } }\n");
    config.close();
    QFile(folder + QStringLiteral("/main.lua")).open(QIODevice::WriteOnly);
    fileDialog()->setNextFileName(folder);
    window.findChild<QAction*>(QStringLiteral("actProjectFolder"))->trigger();
}

// The device whose content scale picks the @2x pictures: 750 pixels over 320 content units.
void chooseIPhone8(frmMain& window)
{
    auto* screens = window.findChild<QComboBox*>(QStringLiteral("cboScreen"));
    const int index = screens->findText(QStringLiteral("iPhone 8"), Qt::MatchStartsWith);
    screens->setCurrentIndex(index);
    emit screens->activated(index);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    const bool check = argc > 2 && QByteArray(argv[2]) == "--check";
    const bool pictures = argc > 2 && QByteArray(argv[2]) == "--pictures";
    const bool stage = pictures || (argc > 2 && QByteArray(argv[2]) == "--stage");
    // The picture never depends on, nor changes, the settings of whoever makes it.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();

    frmMain window;
    QTemporaryDir game;
    if (stage) {
        if (pictures)
            fillPictures(window, game.filePath(QStringLiteral("SkyHop")));
        else
            fillStage(window);
        window.show();
        window.findChild<QAction*>(QStringLiteral("stageToggle"))->trigger();
        if (pictures)
            chooseIPhone8(window);
        QTimer::singleShot(pictures ? 1000 : 300, [&] {
            auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));
            const QString selected = pictures ? QStringLiteral("enemy") : QStringLiteral("hero");
            click(tree, tree->findItems(selected, Qt::MatchExactly | Qt::MatchRecursive).first());
        });
        QTimer::singleShot(pictures ? 1600 : 800,
                           [&] { QCoreApplication::exit(window.grab().save(target) ? 0 : 1); });
        return app.exec();
    }
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
