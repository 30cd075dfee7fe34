// The main window at the workspace's full size: how long adding one more object takes, and how
// much resident memory the objects and their tree nodes cost.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_FullWindow
#include "BenchObjects.h"
#include "frmMain.h"
#include "WorkspaceDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rounds = 9;

} // namespace

// 32,762 calls of addObject would rebuild the tree each time (about ten minutes here), so the
// bench fills the window's document in one go, as opening a file does.
struct WorkspaceBench
{
    static WorkspaceDocument& document(frmMain& window) { return *window.m_document; }
};

namespace {

// VmRSS in kB, or -1 where /proc is not there to ask.
long long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // readAll, not atEnd: /proc files report a size of 0.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    frmMain window;
    WorkspaceDocument& document = WorkspaceBench::document(window);
    const ObjectCollection& objects = document.objects();
    window.show();
    QCoreApplication::processEvents();
    const long long emptyKb = residentKb();

    std::vector<std::unique_ptr<ModelObject>> made;
    for (qsizetype i = 1; i < bench::fullSize; ++i)
        made.push_back(bench::object(i));
    document.reset(std::move(made));
    // The public path from here on: append and a full rebuild of the tree, then its painting.
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        window.addObject(bench::object(bench::fullSize));
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (r == 0) {
            const long long fullKb = residentKb();
            std::printf("objects:                      %lld\n", static_cast<long long>(objects.count()));
            if (emptyKb < 0 || fullKb < 0) {
                std::printf("resident memory:              skipped, VmRSS needs Linux's /proc/self/status\n");
            } else {
                std::printf("resident, empty window:       %8lld kB\n", emptyKb);
                std::printf("resident, full window:        %8lld kB\n", fullKb);
                std::printf("per object (with its node):   %8.0f bytes\n",
                            double(fullKb - emptyKb) * 1024.0 / double(objects.count()));
            }
        }
        document.undoStack()->undo(); // back to 32,762; the next add rebuilds the tree
    }
    std::printf("addObject 32,762 -> 32,763:   %8.1f ms (median of %d, range %.1f-%.1f)\n",
                bench::median(times), rounds, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    return 0;
}
