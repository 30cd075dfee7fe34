// Prints how long the stage takes to repaint 1,000 rotated, scaled, half-transparent images
// over 100 distinct 512 x 512 pictures, next to a plain QPainter loop that draws the same
// pixmaps with the same transforms and opacity.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_TurnedPictures
#include "BenchObjects.h"
#include "PictureLibrary.h"
#include "StagePainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int objectCount = 1000;
constexpr int pictureCount = 100;
constexpr int pairedRounds = 31;

std::unique_ptr<clsDisplay> turnedImage(int i)
{
    auto object = std::make_unique<clsDisplay>();
    object->setVarName(QStringLiteral("image%1").arg(i));
    object->setDObjType(clsDisplay::ImageRect);
    object->setFilename(QStringLiteral("pictures/p%1.png").arg(i % pictureCount));
    object->setReference(clsDisplay::Center);
    object->setX((i * 37) % 300);
    object->setY((i * 53) % 440);
    object->setSWidth(20 + i % 40);
    object->setSHeight(20 + (i * 7) % 40);
    object->setProperties({.alpha = 0.5, .rotation = double(i % 360), .xScale = 1.5, .yScale = 0.75});
    return object;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir game;
    QDir(game.path()).mkpath(QStringLiteral("pictures"));
    for (int i = 0; i < pictureCount; ++i)
        bench::savePicture(game.filePath(QStringLiteral("pictures/p%1.png").arg(i)), i + 1);
    std::vector<std::unique_ptr<ModelObject>> objects;
    QList<const ModelObject*> list;
    for (int i = 0; i < objectCount; ++i) {
        objects.push_back(turnedImage(i));
        list.append(objects.back().get());
    }
    ProjectContext project;
    project.folder = game.path();
    PictureLibrary library;
    library.setProject(project);
    StagePainter stage;
    stage.setPictures(&library);
    stage.setObjects(list);
    library.cache().waitForDone();
    stage.refreshPictures();

    struct Drawn
    {
        QRectF bounds;
        QTransform transform;
        qreal opacity;
        const QPixmap* pixmap;
    };
    std::vector<Drawn> plain;
    for (const StageItem& item : stage.items())
        plain.push_back({item.bounds, item.transform, item.opacity,
                         library.cache().pixmap(item.picture, item.bounds.size())});
    QImage canvas(400, 600, QImage::Format_ARGB32_Premultiplied);
    const auto paintStage = [&] {
        QPainter painter(&canvas);
        stage.paint(painter, QRectF(0, 0, 400, 600));
    };
    const auto paintPlain = [&] {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const Drawn& d : plain) {
            painter.save();
            painter.setTransform(d.transform, true);
            painter.setOpacity(d.opacity);
            painter.drawPixmap(d.bounds, *d.pixmap, QRectF(d.pixmap->rect()));
            painter.restore();
        }
    };
    std::vector<double> stageTimes, plainTimes;
    for (int r = 0; r < pairedRounds; ++r) {
        stageTimes.push_back(bench::timed(paintStage));
        plainTimes.push_back(bench::timed(paintPlain));
    }
    const double stageMs = bench::median(stageTimes);
    const double plainMs = bench::median(plainTimes);
    std::printf("turned, scaled, half-transparent images: %d over %d pictures\n", objectCount, pictureCount);
    std::printf("stage repaint:                           %8.2f ms\n", stageMs);
    std::printf("plain QPainter loop, same transforms:    %8.2f ms\n", plainMs);
    std::printf("ratio (at most 2):                       %8.2f\n", stageMs / plainMs);
    return 0;
}
