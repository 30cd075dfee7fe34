// Saving and opening a full workspace: 32,763 objects, the three kinds in turn, every
// transition with three properties and every alert with two buttons.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_Workspace
#include "BenchObjects.h"
#include "frmMain.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 7;

std::unique_ptr<ModelObject> filled(qsizetype i)
{
    std::unique_ptr<ModelObject> object = bench::object(i);
    if (auto* d = dynamic_cast<clsDisplay*>(object.get())) {
        d->init();
        d->setDObjType(clsDisplay::Rect);
        d->setX(int(i));
        d->setY(-int(i));
        d->setSWidth(100);
        d->setSHeight(50);
        d->setColour(0x336699);
        d->setParGroup(QStringLiteral("layer%1").arg(i % 10));
    } else if (auto* t = dynamic_cast<clsTransition*>(object.get())) {
        t->setOnComplete(QStringLiteral("done%1").arg(i));
        t->addProperty(QString::number(i), QStringLiteral("x"));
        t->addProperty(QString::number(-i), QStringLiteral("y"));
        t->addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
    } else if (auto* a = dynamic_cast<clsAlert*>(object.get())) {
        a->setTitle(QStringLiteral("Question %1").arg(i));
        a->setMessage(QStringLiteral("Carry on?"));
        a->addButton(QStringLiteral("1"), QStringLiteral("Yes"));
        a->addButton(QStringLiteral("2"), QStringLiteral("No"));
    }
    return object;
}

// Median milliseconds of the rounds, with the range.
void measure(const char* what, const std::function<void()>& round)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        round();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const auto [low, high] = std::minmax_element(times.begin(), times.end());
    std::printf("%-40s %9.1f ms (median of %d, range %.1f-%.1f)\n", what, bench::median(times), rounds, *low,
                *high);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("full.quillet"));
    // Opening remembers the file among the recent ones; the user's own list stays out of it.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    WorkspaceDocument document;
    std::vector<std::unique_ptr<ModelObject>> made;
    for (qsizetype i = 1; i <= bench::fullSize; ++i)
        made.push_back(filled(i));
    document.reset(std::move(made));

    std::printf("%-40s %9lld\n", "objects:", (long long)document.objects().count());
    bool failed = false;
    measure("save (JSON and atomic write)", [&] {
        failed |=
            !WorkspaceFiles::writeFile(path, WorkspaceWriter::write(document.objects().objects())).isEmpty();
    });
    std::printf("%-40s %9.1f MB\n", "file size:", double(QFileInfo(path).size()) / 1e6);
    measure("open (read, check, build objects)", [&] {
        WorkspaceReader::Result read = WorkspaceReader::readFile(path);
        failed |= !read.ok() || qsizetype(read.objects.size()) != bench::fullSize;
        document.reset(std::move(read.objects));
    });

    // What the user waits for: Open in the window, the tree rebuilt and painted.
    frmMain window;
    window.show();
    QCoreApplication::processEvents();
    measure("open in the window (with the tree)", [&] {
        failed |= !window.openFile(path);
        QCoreApplication::processEvents();
    });

    if (failed) {
        std::fprintf(stderr, "the workspace did not save or open as intended\n");
        return 1;
    }
    return 0;
}
