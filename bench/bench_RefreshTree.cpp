// Prints how long the main window's tree rebuild takes at the workspace's full size, next to
// a bare QTreeWidget that clears and inserts the same nodes, in the same run.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_RefreshTree
#include "BenchObjects.h"
#include "frmMain.h"
#include "ObjectTree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 7;

void bareInsert(QTreeWidget* tree, const ObjectCollection& objects)
{
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList{QStringLiteral("Objects Created")});
    auto* display = new QTreeWidgetItem(root, QStringList{QStringLiteral("Display")});
    auto* alert = new QTreeWidgetItem(root, QStringList{QStringLiteral("Alert")});
    auto* transition = new QTreeWidgetItem(root, QStringList{QStringLiteral("Transition")});
    for (qsizetype i = 1; i <= objects.count(); ++i) {
        const ModelObject* object = objects.at(i);
        const QString kind = object->ObjType();
        QTreeWidgetItem* parent = kind == QLatin1String("Display") ? display
                                  : kind == QLatin1String("Alert") ? alert
                                                                   : transition;
        new QTreeWidgetItem(parent, QStringList{object->varName()});
    }
}

// Median of the rounds, in milliseconds; pending layout and painting are part of the time.
double median(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ObjectCollection objects;
    bench::fill(objects, bench::fullSize);

    frmMain window;
    window.show();
    auto* tv1 = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));

    QTreeWidget bare;
    bare.resize(tv1->size());
    bare.show();
    QCoreApplication::processEvents();

    // Alternating keeps both under the same conditions of cache and allocator.
    std::vector<double> refresh, plain;
    for (int i = 0; i < 3; ++i) {
        refresh.push_back(median([&] { ObjectTree::rebuild(tv1, objects); }));
        plain.push_back(median([&] { bareInsert(&bare, objects); }));
    }
    const double refreshMs = *std::min_element(refresh.begin(), refresh.end());
    const double plainMs = *std::min_element(plain.begin(), plain.end());
    std::printf("objects:                      %lld\n", static_cast<long long>(objects.count()));
    std::printf("RefreshTree (tv1):            %8.1f ms\n", refreshMs);
    std::printf("bare QTreeWidget clear+insert:%8.1f ms\n", plainMs);
    std::printf("ratio:                        %8.2f (at most 1.50 wanted)\n", refreshMs / plainMs);
    return 0;
}
