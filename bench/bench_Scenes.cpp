// Prints how long a scene file of a full-size workspace takes to write and whether it compiles,
// and the stage's repaint of the same objects in 100 groups nested 3 deep against them flat.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Scenes
#include "BenchObjects.h"
#include "LuaCompiler.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "SceneFile.h"
#include "StagePainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int groups = 100;

// Object i: the first 100 are groups, each tenth group at the top, the others inside the one
// before them, three deep; the rest are rects spread over the screen, each in a group when
// grouped. A group sits at (3, 4) so that its children move.
std::unique_ptr<clsDisplay> object(qsizetype i, bool grouped)
{
    auto d = std::make_unique<clsDisplay>();
    d->setVarName(QStringLiteral("object%1").arg(i));
    if (i < groups) {
        d->setDObjType(clsDisplay::Group);
        d->setX(3);
        d->setY(4);
        if (i % 3 != 0)
            d->setParGroup(QStringLiteral("object%1").arg(i - 1));
        return d;
    }
    d->setDObjType(clsDisplay::Rect);
    d->setX(int((i * 37) % 400) - 40);
    d->setY(int((i * 53) % 560) - 40);
    d->setSWidth(int(8 + i % 60));
    d->setSHeight(int(8 + (i * 7) % 50));
    d->setColour(qint32((i * 2654435761u) & 0xFFFFFF));
    d->setEventHandling(clsDisplay::Began);
    if (grouped)
        d->setParGroup(QStringLiteral("object%1").arg(i % groups));
    return d;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<ModelObject>> grouped, flat;
    QList<const ModelObject*> groupedList, flatList;
    for (qsizetype i = 0; i < bench::fullSize; ++i) {
        grouped.push_back(object(i, true));
        groupedList << grouped.back().get();
        flat.push_back(object(i, false));
        flatList << flat.back().get();
    }
    std::printf("objects:                      %lld\n", static_cast<long long>(bench::fullSize));
    for (const LuaTarget* target : LuaTargets::all()) {
        std::vector<double> times;
        QString text;
        for (int r = 0; r < 5; ++r)
            times.push_back(
                bench::timed([&] { text = SceneFile().write(groupedList, *target, "level1.lua").text; }));
        std::printf("compile alone:                %.1f ms\n",
                    bench::timed([&] { LuaCompiler::compile(text); }));
        std::printf("scene file, graphics%d:        %.1f ms (median of 5), %lld bytes, %s\n", target->key(),
                    bench::median(times), static_cast<long long>(text.size()),
                    LuaCompiler::compile(text) ? "does not compile" : "compiles");
    }

    QImage image(400, 600, QImage::Format_ARGB32_Premultiplied);
    StagePainter groupedStage, flatStage;
    groupedStage.setObjects(groupedList);
    flatStage.setObjects(flatList);
    const auto paint = [&](const StagePainter& stage) {
        QPainter painter(&image);
        painter.translate(40, 60);
        stage.paint(painter, QRectF(-40, -60, 400, 600));
    };
    // Alternating rounds meet the same load on a shared machine.
    std::vector<double> groupedTimes, flatTimes;
    for (int r = 0; r < 41; ++r) {
        groupedTimes.push_back(bench::timed([&] { paint(groupedStage); }));
        flatTimes.push_back(bench::timed([&] { paint(flatStage); }));
    }
    const double g = bench::median(groupedTimes), f = bench::median(flatTimes);
    std::printf("repaint, in groups:           %.2f ms (median of 41)\n", g);
    std::printf("repaint, flat:                %.2f ms (median of 41)\n", f);
    std::printf("grouped / flat:               %.2f\n", g / f);
    return 0;
}
