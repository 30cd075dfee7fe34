// Started by tst_Recovery: a window that is given a scene, waits until its recovery copy is
// on disk, says "kept" and then runs until the test kills it.
#include "frmMain.h"
#include "RecoveryStore.h"
#include "SampleScene.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    for (auto& object : sampleScene())
        window.addObject(std::move(object));
    const QDir folder(RecoveryStore::defaultFolder());
    const QString pattern = QStringLiteral("*") + QLatin1String(RecoveryStore::suffix);
    QElapsedTimer waited;
    waited.start();
    while (folder.entryList({pattern}, QDir::Files).isEmpty()) {
        if (waited.elapsed() > 30000)
            return 1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    std::puts("kept");
    std::fflush(stdout);
    return app.exec();
}
