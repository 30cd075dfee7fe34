#include "FileDialog.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "RecoveryKeeper.h"
#include "SampleScene.h"
#include "StageDock.h"
#include "TestSettings.h"
#include "WindowPlacement.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceWriter.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <QUndoStack>

#include <csignal>
#include <sys/resource.h>

// Unsaved work kept in recovery copies, across closes, crashes and processes; and the window
// that comes back as it was left.
class tst_Recovery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { MessageBox::setRecording(true); }
    void init();
    void copyFollowsTheWork_data();
    void copyFollowsTheWork();
    void startNoteJoinsTheNext();
    void onlyOrphansAreTaken();
    void fullDiskIsReportedOnce();
    void steadyEditsStillGetACopy();
    void hotExit();
    void killedProcessLosesNothing();
    void placement_data();
    void placement();
    void windowComesBackAsLeft();

private:
    static constexpr int shortDelay = 200;
    static QStringList copies(const QString& folder)
    {
        return QDir(folder).entryList({"*.quillet-recovery"});
    }
    static QByteArray bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Makes a file look written minutes ago; creates it when missing.
    static bool age(const QString& path, int minutes)
    {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60 * minutes),
                                QFileDevice::FileModificationTime);
    }
    static void fill(WorkspaceDocument& document)
    {
        for (auto& object : sampleScene())
            document.addObject(std::move(object));
    }
    static QString note(frmMain& window) { return window.findChild<QLabel*>("lblNote")->text(); }
    static WorkspaceDocument* document(frmMain& window) { return window.findChild<WorkspaceDocument*>(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Recovery::init()
{
    useTestSettings();
    QVERIFY(QDir(RecoveryStore::defaultFolder()).removeRecursively());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Recovery::copyFollowsTheWork_data()
{
    QTest::addColumn<bool>("named");    // the workspace belongs to a file
    QTest::addColumn<QString>("after"); // what follows once the copy exists
    QTest::addColumn<bool>("kept");
    QTest::newRow("never saved") << false << "" << true;
    QTest::newRow("never saved, emptied") << false << "remove" << false;
    QTest::newRow("never saved, then saved") << false << "save" << false;
    QTest::newRow("file, changed") << true << "" << true;
    QTest::newRow("file, undone to saved") << true << "undo" << false;
}

void tst_Recovery::copyFollowsTheWork()
{
    QFETCH(bool, named);
    QFETCH(QString, after);
    QFETCH(bool, kept);
    const QString file = m_dir->filePath(QStringLiteral("hero.quillet"));
    WorkspaceDocument document;
    if (named) {
        document.reset(sampleScene());
        document.setFileName(file);
        document.setProjectLink({ProjectLink::Choice::Folder, m_dir->path()});
    }
    {
        RecoveryKeeper keeper(&document, m_dir->path());
        keeper.setDelay(shortDelay);
        QElapsedTimer clock;
        clock.start();
        fill(document);
        QTRY_COMPARE_WITH_TIMEOUT(copies(m_dir->path()).size(), 1, 10 * shortDelay);
        QVERIFY(clock.elapsed() < shortDelay + 500);
        for (int i = 0; i < 3; ++i) {
            if (after == QLatin1String("remove"))
                document.removeObject(1);
            else if (after == QLatin1String("undo"))
                document.undoStack()->undo();
        }
        if (after == QLatin1String("save")) {
            document.setFileName(file);
            document.markSaved();
        }
        keeper.flush();
        QCOMPARE(copies(m_dir->path()).size(), kept ? 1 : 0);
    }
    // The keeper has gone as a crashed process would: another one brings the work back,
    // after setting aside a newer copy it cannot read.
    WorkspaceDocument next;
    RecoveryKeeper restorer(&next, m_dir->path());
    if (!kept) {
        QCOMPARE(restorer.restore(), QString());
        return;
    }
    const QString good = m_dir->filePath(copies(m_dir->path()).first());
    QVERIFY(age(good, 1));
    const QByteArray broken = bytes(good).replace("\"Alert\"", "\"Wheel\"");
    QVERIFY(WorkspaceFiles::writeFile(m_dir->filePath("b.quillet-recovery"), broken).isEmpty());
    QCOMPARE(
        restorer.restore(),
        QStringLiteral("A recovery copy cannot be read (object %1: kind must be \"Display\", \"Transition\" "
                       "or \"Alert\"); it is kept as b.quillet-recovery.broken; Recovered %2 objects after "
                       "Quillet stopped unexpectedly")
            .arg(3)
            .arg(named ? 6 : 3));
    QCOMPARE(bytes(m_dir->filePath("b.quillet-recovery.broken")), broken);
    QCOMPARE(WorkspaceWriter::write(next.objects().objects()),
             WorkspaceWriter::write(document.objects().objects()));
    QCOMPARE(next.fileName(), named ? file : QString());
    QCOMPARE(next.projectLink(), document.projectLink());
    QVERIFY(next.isModified());
    QCOMPARE(next.undoStack()->count(), 0);
}

// The start's note and the one that follows it are read together.
void tst_Recovery::startNoteJoinsTheNext()
{
    const QString game = m_dir->filePath(QStringLiteral("game"));
    QVERIFY(QDir().mkpath(game));
    QVERIFY(WorkspaceFiles::writeFile(game + "/main.lua", "-- the game").isEmpty());
    QVERIFY(WorkspaceFiles::writeFile(game + "/config.lua",
                                      "application = { content = { graphicsCompatibility = 1 } }")
                .isEmpty());
    {
        WorkspaceDocument document;
        RecoveryKeeper keeper(&document, RecoveryStore::defaultFolder());
        keeper.setDelay(shortDelay);
        document.setProjectLink({ProjectLink::Choice::Folder, game});
        fill(document);
        QTRY_COMPARE(copies(RecoveryStore::defaultFolder()).size(), 1);
        keeper.flush();
    }
    frmMain window;
    QTRY_COMPARE(note(window),
                 QStringLiteral("Recovered 3 objects after Quillet stopped unexpectedly; Target "
                                "set from config.lua: Corona (Graphics 1.0)"));
}

void tst_Recovery::onlyOrphansAreTaken()
{
    const QString folder = m_dir->path();
    QString error;
    RecoveryStore running(folder);
    const QString live = running.ownCopy(&error);
    QVERIFY(age(live, 0));
    QString older;
    QString newer;
    {
        RecoveryStore gone(folder);
        older = gone.ownCopy(&error);
        QVERIFY(age(older, 20));
        RecoveryStore alsoGone(folder);
        newer = alsoGone.ownCopy(&error);
        QVERIFY(age(newer, 10));
    }
    RecoveryStore first(folder);
    QCOMPARE(first.claimNewestOrphan(), newer);
    QCOMPARE(first.ownCopy(&error), newer); // taken over
    RecoveryStore second(folder);
    QCOMPARE(second.claimNewestOrphan(), older);
    RecoveryStore third(folder);
    QCOMPARE(third.claimNewestOrphan(), QString());
    QCOMPARE(copies(folder).size(), 3); // none deleted
}

void tst_Recovery::fullDiskIsReportedOnce()
{
    const QString folder = m_dir->path();
    WorkspaceDocument document;
    RecoveryKeeper keeper(&document, folder);
    keeper.setDelay(shortDelay);
    QSignalSpy notes(&keeper, &RecoveryKeeper::noteRequested);
    fill(document);
    QTRY_COMPARE_WITH_TIMEOUT(copies(folder).size(), 1, 10 * shortDelay);
    keeper.flush();
    const QString path = QDir(folder).filePath(copies(folder).first());
    const rlim_t full = rlim_t(bytes(path).size());
    // A second full disk after a good write is news again.
    for (int episode = 1; episode <= 2; ++episode) {
        const QByteArray before = bytes(path);
        // The process's file size limit makes the disk look full.
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = full;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        fill(document);
        QTRY_COMPARE_WITH_TIMEOUT(notes.size(), episode, 10 * shortDelay);
        document.removeObject(1);
        QTest::qWait(shortDelay + 300);
        keeper.flush();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(notes.size(), episode); // once, not at every try
        QVERIFY(notes.last().first().toString().startsWith(QStringLiteral("Cannot keep a recovery copy: ")));
        QCOMPARE(bytes(path), before); // the last good copy stays whole

        document.removeObject(1); // the next change tries again
        QTRY_VERIFY_WITH_TIMEOUT(bytes(path) != before, 10 * shortDelay);
    }
}

// Changes that keep coming do not hold the copy back.
void tst_Recovery::steadyEditsStillGetACopy()
{
    WorkspaceDocument document;
    RecoveryKeeper keeper(&document, m_dir->path());
    keeper.setDelay(700);
    QElapsedTimer clock;
    clock.start();
    while (copies(m_dir->path()).isEmpty() && clock.elapsed() < 4000) {
        fill(document);
        QTest::qWait(300);
    }
    QVERIFY2(clock.elapsed() < keeper.delay() + 1000, qPrintable(QString::number(clock.elapsed())));
}

void tst_Recovery::hotExit()
{
    const QString file = m_dir->filePath(QStringLiteral("scene.quillet"));
    {
        frmMain window;
        window.show();
        for (auto& object : sampleScene())
            window.addObject(std::move(object));
        QVERIFY(window.close()); // no question
    }
    QCOMPARE(MessageBox::takeShown().size(), 0);
    {
        frmMain window;
        QCOMPARE(note(window), QStringLiteral("Restored 3 objects from the last session"));
        QCOMPARE(document(window)->objects().count(), 3);
        // Saved to a file and changed again: closing asks, and Discard drops the copy.
        fileDialog()->setNextFileName(file);
        window.findChild<QAction*>(QStringLiteral("actSave"))->trigger(); // never saved: Save As
        QCOMPARE(window.windowTitle(), QStringLiteral("scene.quillet[*] - Quillet"));
        QVERIFY(!window.isWindowModified());
        window.addObject(sampleScene().front()->clone());
        QVERIFY(window.isWindowModified());
        MessageBox::setNextAnswer(MessageBox::Answer::Discard);
        QVERIFY(window.close());
        QCOMPARE(MessageBox::takeShown().size(), 1);
    }
    QCOMPARE(copies(RecoveryStore::defaultFolder()).size(), 0);
    frmMain window;
    QVERIFY(document(window)->objects().isEmpty());
}

void tst_Recovery::killedProcessLosesNothing()
{
    QProcess helper;
    helper.start(QStringLiteral(QUILLET_CRASH_HELPER), {});
    QVERIFY(helper.waitForStarted());
    QByteArray said;
    while (!said.contains("kept") && helper.waitForReadyRead(20000))
        said += helper.readAllStandardOutput();
    QVERIFY2(said.contains("kept"), helper.readAllStandardError().constData());
    // A process that still runs keeps its copy to itself.
    RecoveryStore probe(RecoveryStore::defaultFolder());
    QCOMPARE(probe.claimNewestOrphan(), QString());
    helper.kill(); // SIGKILL: nothing of the helper runs after this
    QVERIFY(helper.waitForFinished());
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    frmMain window;
    QCOMPARE(note(window), QStringLiteral("Recovered 3 objects after Quillet stopped unexpectedly"));
    WorkspaceDocument scene;
    fill(scene);
    QCOMPARE(WorkspaceWriter::write(document(window)->objects().objects()),
             WorkspaceWriter::write(scene.objects().objects()));
}

void tst_Recovery::placement_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<bool>("fits");
    QTest::newRow("on the second screen") << QRect(2000, 100, 800, 600) << true;
    QTest::newRow("partly on the first") << QRect(-300, 100, 800, 600) << true;
    QTest::newRow("off every screen") << QRect(5000, 100, 800, 600) << false;
    QTest::newRow("wider than its screen") << QRect(1930, 100, 1300, 600) << false;
}

void tst_Recovery::placement()
{
    QFETCH(QRect, window);
    QFETCH(bool, fits);
    QWidget widget;
    widget.setGeometry(window);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(WindowPlacement::fits(widget.saveGeometry(), screens), fits);
    QVERIFY(!WindowPlacement::fits(QByteArray("not a geometry"), screens));
}

void tst_Recovery::windowComesBackAsLeft()
{
    QSize first;
    {
        frmMain window;
        window.show();
        window.resize(window.size() + QSize(60, 40));
        window.findChild<QAction*>(QStringLiteral("stageToggle"))->trigger();
        first = window.size();
        QVERIFY(window.close());
    }
    {
        frmMain window; // the stage shows again, and the window does not grow for it twice
        QVERIFY(!window.findChild<StageDock*>()->isHidden());
        QCOMPARE(window.size(), first);
    }
    // Hidden by its own setting: the remembered layout does not show it behind its back.
    QSettings().setValue(QStringLiteral("stage/shown"), false);
    frmMain window;
    QVERIFY(window.findChild<StageDock*>()->isHidden());
    QVERIFY(!window.findChild<StageDock*>()->toggleAction()->isChecked());
}

QTEST_MAIN(tst_Recovery)
#include "tst_Recovery.moc"
