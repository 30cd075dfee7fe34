// Keeping a recovery copy of a full workspace (32,763 objects): the UI thread's longest
// block while copies are written, measured as the longest gap between the ticks of a 1 ms
// timer, against a run that makes the same changes with no copy kept.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Recovery
#include "BenchObjects.h"
#include "RecoveryKeeper.h"
#include "WorkspaceDocument.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int runMilliseconds = 12000;
constexpr int changeEveryMilliseconds = 250;

struct Figures
{
    double longestGap = 0; // ms
    int copies = 0;
};

Figures run(bool keep)
{
    QTemporaryDir folder;
    WorkspaceDocument document;
    std::vector<std::unique_ptr<ModelObject>> objects;
    for (qsizetype i = 1; i <= bench::fullSize; ++i)
        objects.push_back(bench::object(i));
    document.reset(std::move(objects));
    std::unique_ptr<RecoveryKeeper> keeper;
    if (keep)
        keeper = std::make_unique<RecoveryKeeper>(&document, folder.path());

    Figures figures;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = clock.nsecsElapsed();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        figures.longestGap = std::max(figures.longestGap, double(now - lastTick) / 1e6);
        lastTick = now;
    });
    ticker.start(1);
    QTimer changer;
    int round = 0;
    QObject::connect(&changer, &QTimer::timeout, [&] {
        auto object = bench::object(++round);
        object->setVarName(QStringLiteral("changed%1").arg(round));
        document.replaceObject(1 + round % bench::fullSize, std::move(object), QStringLiteral("Edit"));
    });
    changer.start(changeEveryMilliseconds);
    QEventLoop loop;
    QTimer::singleShot(runMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    if (keeper)
        keeper->flush();
    figures.copies = int(QDir(folder.path()).entryList({QStringLiteral("*.quillet-recovery")}).size());
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Figures without = run(false);
    const Figures with = run(true);
    std::printf("recovery copy of %lld objects, a change every %d ms for %d s\n", qlonglong(bench::fullSize),
                changeEveryMilliseconds, runMilliseconds / 1000);
    std::printf("  longest UI block without a copy kept: %.1f ms\n", without.longestGap);
    std::printf("  longest UI block while copies are kept: %.1f ms (%d copy on disk)\n", with.longestGap,
                with.copies);
    return 0;
}
