// Prints how long the stage takes to repaint a full-size workspace of display objects, next to
// a plain QPainter loop that fills the same rectangles in the same run.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Stage
#include "BenchObjects.h"
#include "StagePainter.h"
#include "StageView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 9;
constexpr int pairedRounds = 41;

// Spread over the screen and a margin around it, in assorted sizes and colours.
std::unique_ptr<clsDisplay> rect(qsizetype i, qint16 kind)
{
    auto object = std::make_unique<clsDisplay>();
    object->setVarName(QStringLiteral("object%1").arg(i));
    object->setDObjType(kind);
    object->setX(int((i * 37) % 400) - 40);
    object->setY(int((i * 53) % 560) - 40);
    object->setSWidth(int(8 + i % 60));
    object->setSHeight(int(8 + (i * 7) % 50));
    object->setSRounding(6);
    object->setColour(qint32((i * 2654435761u) & 0xFFFFFF));
    object->setFilename(QStringLiteral("tile%1.png").arg(i % 10));
    object->setReference(qint32(i % 9));
    return object;
}

double median(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<ModelObject>> rects, mixed;
    QList<const ModelObject*> rectList, mixedList;
    for (qsizetype i = 1; i <= bench::fullSize; ++i) {
        rects.push_back(rect(i, clsDisplay::Rect));
        rectList.append(rects.back().get());
        mixed.push_back(rect(i, qint16(i % clsDisplay::kindCount)));
        mixedList.append(mixed.back().get());
    }

    // What a stage view of 400 x 600 pixels paints: the classic screen at scale 1.
    QImage image(400, 600, QImage::Format_ARGB32_Premultiplied);
    const QRectF area(-40, -60, 400, 600);
    const auto paintStage = [&](const StagePainter& stage) {
        QPainter painter(&image);
        painter.translate(40, 60);
        stage.paint(painter, area);
    };

    StagePainter stage;
    stage.setObjects(rectList);
    stage.setSelected(bench::fullSize / 2);
    std::vector<std::pair<QRect, QColor>> plainRects;
    for (const ModelObject* object : rectList) {
        const auto* display = static_cast<const clsDisplay*>(object);
        const qint32 c = display->Colour();
        plainRects.emplace_back(QRect(display->x(), display->y(), display->sWidth(), display->sHeight()),
                                QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
    }
    const auto paintPlain = [&] {
        QPainter painter(&image);
        painter.translate(40, 60);
        for (const auto& [r, colour] : plainRects)
            painter.fillRect(r, colour);
    };

    // Round by round, alternating, so that both meet the same load on a shared machine; the
    // ratio is taken of the medians.
    std::vector<double> stageTimes, plainTimes;
    const auto time = [](const std::function<void()>& work) {
        QElapsedTimer timer;
        timer.start();
        work();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    for (int i = 0; i < pairedRounds; ++i) {
        stageTimes.push_back(time([&] { paintStage(stage); }));
        plainTimes.push_back(time(paintPlain));
    }
    const double stageMs = bench::median(stageTimes);
    const double plainMs = bench::median(plainTimes);
    // After a step one object is a new one: every round swaps the middle object for a moved
    // copy of it and back.
    const auto rebuildAfterMove = [&](StagePainter& painter, QList<const ModelObject*>& list) {
        const qsizetype middle = list.size() / 2;
        auto moved = std::make_unique<clsDisplay>(*static_cast<const clsDisplay*>(list.at(middle)));
        moved->setX(moved->x() + 1);
        const ModelObject* original = list.at(middle);
        const double ms = median([&, original] {
            list[middle] = list.at(middle) == original ? moved.get() : original;
            painter.setObjects(list);
        });
        list[middle] = original; // the copy goes when this returns
        painter.setObjects(list);
        return ms;
    };
    const double buildMs = median([&] { StagePainter().setObjects(rectList); });
    const double rebuildMs = rebuildAfterMove(stage, rectList);

    StagePainter mixedStage;
    const double mixedBuildMs = median([&] { StagePainter().setObjects(mixedList); });
    mixedStage.setObjects(mixedList);
    const double mixedRebuildMs = rebuildAfterMove(mixedStage, mixedList);
    const double mixedMs = median([&] { paintStage(mixedStage); });

    // The whole widget, scrolled and scaled as the user sees it.
    StageView view;
    view.resize(400, 600);
    view.setObjects(rectList);
    view.show();
    QCoreApplication::processEvents();
    const double viewMs = median([&] { view.viewport()->repaint(); });

    std::printf("display objects:                      %lld\n", static_cast<long long>(bench::fullSize));
    std::printf("stage repaint, rects:                 %8.2f ms\n", stageMs);
    std::printf("plain QPainter fillRect loop:         %8.2f ms\n", plainMs);
    std::printf("ratio:                                %8.2f (at most 2.00 wanted)\n", stageMs / plainMs);
    std::printf("stage view repaint (widget), rects:   %8.2f ms\n", viewMs);
    std::printf("first build, rects:                   %8.2f ms\n", buildMs);
    std::printf("rebuild after a move, rects:          %8.2f ms\n", rebuildMs);
    std::printf("stage repaint, all seven kinds:       %8.2f ms\n", mixedMs);
    std::printf("first build, seven kinds:             %8.2f ms\n", mixedBuildMs);
    std::printf("rebuild after a move, seven kinds:    %8.2f ms\n", mixedRebuildMs);
    return 0;
}
