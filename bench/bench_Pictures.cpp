// Prints how long the stage takes to repaint 1,000 images over 100 distinct 512 x 512 pictures,
// next to a plain QPainter drawPixmap loop with the same pixmaps into the same rectangles, and
// the longest pause of the event loop while such a workspace opens with the stage shown.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Pictures
#include "BenchObjects.h"
#include "frmMain.h"
#include "PictureLibrary.h"
#include "StagePainter.h"
#include "StageView.h"
#include "WorkspaceFiles.h"
#include "WorkspaceWriter.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int objectCount = 1000;
constexpr int pictureCount = 100;
constexpr int pairedRounds = 31;

// Not one flat colour: the decoder and the scaler have real work.
void savePicture(const QString& path, int seed)
{
    QImage image(512, 512, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba((x * seed) & 0xff, (y + seed * 7) & 0xff, (x ^ y) & 0xff, 160 + (x + y) % 96);
    }
    image.save(path, "PNG");
}

std::unique_ptr<clsDisplay> imageObject(int i)
{
    auto object = std::make_unique<clsDisplay>();
    object->setVarName(QStringLiteral("image%1").arg(i));
    object->setDObjType(clsDisplay::ImageRect);
    object->setFilename(QStringLiteral("pictures/p%1.png").arg(i % pictureCount));
    object->setReference(clsDisplay::TopLeft);
    object->setX((i * 37) % 300);
    object->setY((i * 53) % 440);
    object->setSWidth(20 + i % 40);
    object->setSHeight(20 + (i * 7) % 40);
    return object;
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir game;
    QDir(game.path()).mkpath(QStringLiteral("pictures"));
    for (int i = 0; i < pictureCount; ++i)
        savePicture(game.filePath(QStringLiteral("pictures/p%1.png").arg(i)), i + 1);
    std::vector<std::unique_ptr<ModelObject>> objects;
    QList<const ModelObject*> list;
    for (int i = 0; i < objectCount; ++i) {
        objects.push_back(imageObject(i));
        list.append(objects.back().get());
    }
    ProjectContext project;
    project.folder = game.path();

    // The repaint, once every picture is decoded.
    PictureLibrary library;
    library.setProject(project);
    StagePainter stage;
    stage.setPictures(&library);
    stage.setObjects(list);
    library.cache().waitForDone();
    stage.refreshPictures();
    std::vector<std::pair<QRectF, QPixmap>> plain;
    for (const StageItem& item : stage.items())
        plain.emplace_back(item.bounds, *library.cache().pixmap(item.picture));
    QImage canvas(400, 600, QImage::Format_ARGB32_Premultiplied);
    const auto paintStage = [&] {
        QPainter painter(&canvas);
        stage.paint(painter, QRectF(0, 0, 400, 600));
    };
    const auto paintPlain = [&] {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const auto& [bounds, pixmap] : plain)
            painter.drawPixmap(bounds, pixmap, QRectF(pixmap.rect()));
    };
    // Alternating rounds, so that both meet the same load on a shared machine.
    std::vector<double> stageTimes, plainTimes;
    for (int r = 0; r < pairedRounds; ++r) {
        stageTimes.push_back(timed(paintStage));
        plainTimes.push_back(timed(paintPlain));
    }
    const double stageMs = bench::median(stageTimes);
    const double plainMs = bench::median(plainTimes);

    // Opening the workspace with the stage shown, while a zero-interval timer notes every pause.
    const QString file = game.filePath(QStringLiteral("game.quillet"));
    WorkspaceFiles::writeFile(file, WorkspaceWriter::write(list));
    frmMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("stageToggle"))->trigger();
    window.applyProjectContext(project);
    QCoreApplication::processEvents();
    auto* pictures = window.findChild<PictureLibrary*>();
    const auto* view = window.findChild<StageView*>(QStringLiteral("stage"));
    double longestGap = 0;
    QElapsedTimer sinceTick, total;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        const std::vector<StageItem>& items = view->stagePainter().items();
        const bool drawn =
            !items.empty() && std::all_of(items.begin(), items.end(), [&](const StageItem& item) {
                return pictures->cache().state(item.picture) == PictureCache::State::Ready;
            });
        if ((drawn && total.elapsed() > 500) || total.elapsed() > 20000)
            QCoreApplication::quit();
    });
    QTimer::singleShot(0, [&] { window.openFile(file); });
    sinceTick.start();
    total.start();
    tick.start();
    app.exec();

    std::printf("image objects / distinct pictures:    %d / %d (512 x 512 PNG)\n", objectCount, pictureCount);
    std::printf("stage repaint, pictures:              %8.2f ms\n", stageMs);
    std::printf("plain QPainter drawPixmap loop:       %8.2f ms\n", plainMs);
    std::printf("ratio (at most 2):                    %8.2f\n", stageMs / plainMs);
    std::printf("opening with the stage shown:         %8.0f ms until every picture is drawn\n",
                double(total.elapsed()));
    std::printf("longest event-loop gap (at most 100): %8.1f ms\n", longestGap);
    return 0;
}
