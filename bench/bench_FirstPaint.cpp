// Time from constructing the main window to its first paint, next to a bare QMainWindow of the
// same size, in the same run.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_FirstPaint
//
// A round constructs the window, shows it and runs the event loop until a paint event has
// reached the window. The loop pass that delivered it has by then also painted every child and
// flushed the backing store, so the figure covers the whole first frame. The first window of
// each kind is left out: it pays once for fonts, styles and plugins.
#include "BenchObjects.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int rounds = 9;

class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

struct Round
{
    double constructed; // ms from the start to the end of the constructor
    double painted;     // ms from the start to the end of the first paint
};

Round toFirstPaint(const std::function<QWidget*()>& make)
{
    PaintWatcher watcher;
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window(make());
    const double constructed = double(timer.nsecsElapsed()) / 1e6;
    window->installEventFilter(&watcher);
    window->show();
    while (!watcher.painted) {
        if (timer.elapsed() > 10'000) {
            std::fprintf(stderr, "no paint event within 10 s\n");
            std::exit(1);
        }
        QCoreApplication::processEvents();
    }
    const double painted = double(timer.nsecsElapsed()) / 1e6;
    window.reset();
    QCoreApplication::processEvents(); // deferred deletes, outside the time
    return {constructed, painted};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QSize size;
    const auto makeMain = [&size] {
        auto* window = new frmMain;
        size = window->size();
        return window;
    };
    const auto makeBare = [&size] {
        auto* window = new QMainWindow;
        window->resize(size);
        return window;
    };
    const double coldMain = toFirstPaint(makeMain).painted;
    const double coldBare = toFirstPaint(makeBare).painted;

    // Alternating keeps both under the same load, which on a shared machine keeps changing.
    std::vector<double> mainBuilt, mainPainted, barePainted;
    for (int r = 0; r < rounds; ++r) {
        const Round main = toFirstPaint(makeMain);
        mainBuilt.push_back(main.constructed);
        mainPainted.push_back(main.painted);
        barePainted.push_back(toFirstPaint(makeBare).painted);
    }
    const double mainMs = bench::median(mainPainted);
    const double bareMs = bench::median(barePainted);
    std::printf("window size:                  %dx%d\n", size.width(), size.height());
    std::printf("first window (left out):      frmMain %.1f ms, QMainWindow %.1f ms\n", coldMain, coldBare);
    std::printf(
        "frmMain to first paint:       %8.2f ms (median of %d, range %.2f-%.2f; constructor alone %.2f ms)\n",
        mainMs, rounds, *std::min_element(mainPainted.begin(), mainPainted.end()),
        *std::max_element(mainPainted.begin(), mainPainted.end()), bench::median(mainBuilt));
    std::printf("bare QMainWindow:             %8.2f ms (median of %d, range %.2f-%.2f)\n", bareMs, rounds,
                *std::min_element(barePainted.begin(), barePainted.end()),
                *std::max_element(barePainted.begin(), barePainted.end()));
    std::printf("ratio:                        %8.2f\n", mainMs / bareMs);
    return 0;
}
