// Prints how long the stage takes to repaint 1,000 images over 100 distinct 512 x 512 pictures,
// next to a plain QPainter drawPixmap loop with the same pixmaps into the same rectangles, and
// the longest pause of the event loop while such a workspace, saved in its game, opens with the
// stage shown (its config.lua read and its pictures decoded), and the
// tree's rebuild with its picture marks at the workspace's full size next to a bare QTreeWidget.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Pictures
#include "BenchObjects.h"
#include "frmMain.h"
#include "ObjectTree.h"
#include "PictureLibrary.h"
#include "PictureMarks.h"
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
#include <QTreeWidget>

#include <cstdio>

namespace {

constexpr int objectCount = 1000;
constexpr int pictureCount = 100;
constexpr int pairedRounds = 31;

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

void bareInsert(QTreeWidget* tree, const ObjectCollection& objects)
{
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList{QStringLiteral("Objects Created")});
    QTreeWidgetItem* branches[] = {new QTreeWidgetItem(root, QStringList{QStringLiteral("Display")}),
                                   new QTreeWidgetItem(root, QStringList{QStringLiteral("Alert")}),
                                   new QTreeWidgetItem(root, QStringList{QStringLiteral("Transition")})};
    for (qsizetype i = 1; i <= objects.count(); ++i) {
        const QString kind = objects.at(i)->ObjType();
        const int k = kind == QLatin1String("Display") ? 0 : kind == QLatin1String("Alert") ? 1 : 2;
        new QTreeWidgetItem(branches[k], QStringList{objects.at(i)->varName()});
    }
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
    std::vector<std::pair<QRectF, const QPixmap*>> plain;
    for (const StageItem& item : stage.items())
        plain.emplace_back(item.bounds, library.cache().pixmap(item.picture, item.bounds.size()));
    QImage canvas(400, 600, QImage::Format_ARGB32_Premultiplied);
    const auto paintStage = [&] {
        QPainter painter(&canvas);
        stage.paint(painter, QRectF(0, 0, 400, 600));
    };
    const auto paintPlain = [&] {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const auto& [bounds, pixmap] : plain)
            painter.drawPixmap(bounds, *pixmap, QRectF(pixmap->rect()));
    };
    // Alternating rounds, so that both meet the same load on a shared machine.
    std::vector<double> stageTimes, plainTimes;
    for (int r = 0; r < pairedRounds; ++r) {
        stageTimes.push_back(bench::timed(paintStage));
        plainTimes.push_back(bench::timed(paintPlain));
    }
    const double stageMs = bench::median(stageTimes);
    const double plainMs = bench::median(plainTimes);

    // Opening the workspace with the stage shown, while a zero-interval timer notes every pause.
    // Saved inside the game, it is tied to it as it opens.
    QFile(game.filePath(QStringLiteral("main.lua"))).open(QIODevice::WriteOnly);
    const QString file = game.filePath(QStringLiteral("game.quillet"));
    WorkspaceFiles::writeFile(file, WorkspaceWriter::write(list));
    frmMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("stageToggle"))->trigger();
    QCoreApplication::processEvents();
    auto* pictures = window.findChild<PictureLibrary*>();
    QStringList paths;
    for (int i = 0; i < pictureCount; ++i)
        paths << QDir(game.path()).filePath(QStringLiteral("pictures/p%1.png").arg(i));
    double longestGap = 0;
    QElapsedTimer sinceTick, total;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        // Every picture decoded and taken in; the stage draws them from then on.
        const bool drawn = std::all_of(paths.begin(), paths.end(), [&](const QString& path) {
            return pictures->cache().state(path) == PictureCache::State::Ready;
        });
        if ((drawn && total.elapsed() > 500) || total.elapsed() > 20000)
            QCoreApplication::quit();
    });
    QTimer::singleShot(0, [&] { window.openFile(file); });
    sinceTick.start();
    total.start();
    tick.start();
    app.exec();
    tick.stop(); // the rounds below process events too; their time is not the opening's

    // The tree at full size, every display object an image, one in ten naming a missing file.
    ObjectCollection full;
    bench::fill(full, bench::fullSize);
    for (qsizetype i = 1; i <= full.count(); ++i) {
        if (auto* display = dynamic_cast<clsDisplay*>(full.at(i))) {
            display->setDObjType(clsDisplay::ImageRect);
            display->setFilename(i % 10 ? QStringLiteral("pictures/p%1.png").arg(i % pictureCount)
                                        : QStringLiteral("pictures/gone%1.png").arg(i % pictureCount));
        }
    }
    auto* tv1 = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));
    QTreeWidget bare;
    bare.resize(tv1->size());
    bare.show();
    std::vector<double> markedTimes, bareTimes;
    for (int r = 0; r < 7; ++r) {
        markedTimes.push_back(bench::timed([&] {
            ObjectTree::rebuild(tv1, full);
            PictureMarks::apply(tv1, full, pictures);
            QCoreApplication::processEvents();
        }));
        bareTimes.push_back(bench::timed([&] {
            bareInsert(&bare, full);
            QCoreApplication::processEvents();
        }));
    }
    const double markedMs = bench::median(markedTimes);
    const double bareMs = bench::median(bareTimes);

    std::printf("image objects / distinct pictures:    %d / %d (512 x 512 PNG)\n", objectCount, pictureCount);
    std::printf("stage repaint, pictures:              %8.2f ms\n", stageMs);
    std::printf("plain QPainter drawPixmap loop:       %8.2f ms\n", plainMs);
    std::printf("ratio (at most 2):                    %8.2f\n", stageMs / plainMs);
    std::printf("opening with the stage shown:         %8.0f ms until every picture is decoded\n",
                double(total.elapsed()));
    std::printf("longest event-loop gap (at most 100): %8.1f ms\n", longestGap);
    std::printf("tree rebuild with picture marks:      %8.1f ms (%lld objects)\n", markedMs,
                static_cast<long long>(full.count()));
    std::printf("bare QTreeWidget clear+insert:        %8.1f ms\n", bareMs);
    std::printf("ratio (at most 1.5):                  %8.2f\n", markedMs / bareMs);
    return 0;
}
