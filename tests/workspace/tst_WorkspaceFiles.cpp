#include "clsAlert.h"
#include "clsDisplay.h"
#include "FileDialog.h"
#include "Golden.h"
#include "MessageBox.h"
#include "TestSettings.h"
#include "WorkspaceDocument.h"
#include "WorkspaceFiles.h"
#include "WorkspaceWriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <QUndoStack>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The File commands on a document, answered through the platform layer's test modes.
class tst_WorkspaceFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init();
    void cleanup();
    void asksBeforeDropping_data();
    void asksBeforeDropping();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void failedSaveKeepsEverything();
    void exportsEverySnippet();
    void remembersRecentFiles();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<ModelObject> display(const QString& name) const;
    QByteArray bytes(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    WorkspaceDocument* m_document = nullptr;
    WorkspaceFiles* m_files = nullptr;
};

std::unique_ptr<ModelObject> tst_WorkspaceFiles::display(const QString& name) const
{
    auto d = std::make_unique<clsDisplay>();
    d->init();
    d->setVarName(name);
    d->setDObjType(clsDisplay::Circle);
    d->setSWidth(20);
    return d;
}

QByteArray tst_WorkspaceFiles::bytes(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_WorkspaceFiles::init()
{
    QSettings().clear();
    MessageBox::setRecording(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_window = std::make_unique<QWidget>();
    m_document = new WorkspaceDocument(m_window.get());
    m_files = new WorkspaceFiles(m_document, m_window.get());
}

void tst_WorkspaceFiles::cleanup()
{
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    // Names a failed row left queued would answer the next row's dialogs.
    const qsizetype unused = fileDialog()->pendingFileNames();
    while (fileDialog()->pendingFileNames() > 0)
        fileDialog()->getOpenFileName(nullptr, {}, {}, {});
    QCOMPARE(unused, 0);
    m_window.reset();
}

using enum MessageBox::Answer;

void tst_WorkspaceFiles::asksBeforeDropping_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("named"); // the workspace was saved as hero.quillet before the change
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // -1 when no question is expected
    QTest::addColumn<bool>("done");

    for (const char* command : {"new", "open"}) {
        for (bool named : {false, true}) {
            const QByteArray row = QByteArray(command) + (named ? " hero" : " unnamed");
            QTest::newRow(row + ", unchanged") << command << named << false << -1 << true;
            QTest::newRow(row + ", save") << command << named << true << int(Save) << true;
            QTest::newRow(row + ", discard") << command << named << true << int(Discard) << true;
            QTest::newRow(row + ", cancel") << command << named << true << int(Cancel) << false;
        }
    }
    QTest::newRow("close unnamed, changed") << "close" << false << true << -1 << true;
    QTest::newRow("close hero, unchanged") << "close" << true << false << -1 << true;
    QTest::newRow("close hero, save") << "close" << true << true << int(Save) << true;
    QTest::newRow("close hero, discard") << "close" << true << true << int(Discard) << true;
    QTest::newRow("close hero, cancel") << "close" << true << true << int(Cancel) << false;
}

void tst_WorkspaceFiles::asksBeforeDropping()
{
    QFETCH(QString, command);
    QFETCH(bool, named);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, done);

    // What Open picks: a workspace of one alert.
    clsAlert alert;
    alert.setVarName(QStringLiteral("ask"));
    QVERIFY(WorkspaceFiles::writeFile(path("other.quillet"), WorkspaceWriter::write({&alert})).isEmpty());

    if (named) {
        m_document->addObject(display(QStringLiteral("first")));
        fileDialog()->setNextFileName(path("hero.quillet"));
        QVERIFY(m_files->saveAs());
    }
    if (changed)
        m_document->addObject(display(QStringLiteral("second")));
    const qsizetype before = m_document->objects().count();
    const QString savedAs = named ? path("hero.quillet") : path("new.quillet");
    const QByteArray old = bytes("hero.quillet");

    if (answer >= 0)
        MessageBox::setNextAnswer(MessageBox::Answer(answer));
    if (answer == int(Save) && !named)
        fileDialog()->setNextFileName(savedAs);
    if (done && command == QLatin1String("open"))
        fileDialog()->setNextFileName(path("other.quillet"));
    // Left over unless a dialog nobody expected took it, instead of waiting at a real one.
    fileDialog()->setNextFileName(path("unexpected.quillet"));

    bool result = false;
    if (command == QLatin1String("new"))
        result = m_files->newWorkspace();
    else if (command == QLatin1String("open"))
        result = m_files->open();
    else
        result = m_files->mayClose();

    QCOMPARE(fileDialog()->pendingFileNames(), 1);
    QCOMPARE(fileDialog()->getOpenFileName(nullptr, {}, {}, {}), path("unexpected.quillet"));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        QCOMPARE(shown.first().caption, QStringLiteral("Quillet"));
        QCOMPARE(shown.first().text,
                 named ? QStringLiteral("Do you want to save the changes to \"hero.quillet\"?")
                       : QStringLiteral("Do you want to save the changes to the new workspace?"));
    }
    QCOMPARE(result, done);
    if (answer == int(Save))
        QVERIFY(bytes(QFileInfo(savedAs).fileName()).contains("\"second\""));
    else if (named)
        QCOMPARE(bytes("hero.quillet"), old); // untouched
    if (!done || command == QLatin1String("close")) {
        QCOMPARE(m_document->objects().count(), before);
        return;
    }
    QCOMPARE(m_document->undoStack()->count(), 0);
    QVERIFY(!m_document->isModified());
    if (command == QLatin1String("new")) {
        QVERIFY(m_document->objects().isEmpty());
        QCOMPARE(m_document->fileName(), QString());
    } else {
        QCOMPARE(m_document->objects().count(), 1);
        QCOMPARE(m_document->objects().at(1)->varName(), QStringLiteral("ask"));
        QCOMPARE(m_document->fileName(), path("other.quillet"));
    }
}

void tst_WorkspaceFiles::refusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all; "/": a folder of that name
    QTest::addColumn<QString>("problem");
    for (const QStringList& row : Golden::rows("workspace/golden/RefusedFiles.txt"))
        QTest::newRow(qPrintable(row[0])) << row[1].toUtf8() << row[2];
}

void tst_WorkspaceFiles::refusedFileChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    m_document->addObject(display(QStringLiteral("kept")));
    fileDialog()->setNextFileName(path("hero.quillet"));
    QVERIFY(m_files->saveAs());
    m_document->addObject(display(QStringLiteral("unsaved")));
    const QString bad = path("bad.quillet");
    if (content == "/")
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("bad.quillet")));
    else if (!content.isEmpty())
        QVERIFY(WorkspaceFiles::writeFile(bad, content).isEmpty());

    // A missing file is refused before the question about the changes.
    const bool asked = !content.isEmpty();
    if (asked)
        MessageBox::setNextAnswer(MessageBox::Answer::Discard);
    QVERIFY(!m_files->openFile(bad));

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), asked ? 2 : 1);
    QCOMPARE(shown.last().icon, MessageBox::Icon::Critical);
    QCOMPARE(shown.last().caption, QStringLiteral("Quillet"));
    QCOMPARE(shown.last().parent, m_window.get());
    QCOMPARE(shown.last().text, "Cannot open \"" + QDir::toNativeSeparators(bad) + "\":\n" + problem);
    QCOMPARE(m_document->objects().count(), 2);
    QCOMPARE(m_document->undoStack()->count(), 2);
    QVERIFY(m_document->isModified());
    QCOMPARE(m_document->fileName(), path("hero.quillet"));
    QCOMPARE(m_files->recentFiles(), QStringList{path("hero.quillet")});
}

void tst_WorkspaceFiles::failedSaveKeepsEverything()
{
    m_document->addObject(display(QStringLiteral("kept")));
    fileDialog()->setNextFileName(path("hero.quillet"));
    QVERIFY(m_files->saveAs());
    const QByteArray saved = bytes("hero.quillet");

#ifdef Q_OS_UNIX
    // A full disk, as the process's file size limit makes it look: the old file stays whole
    // and no half-written copy is left beside it, even when the rest fits in one buffer.
    m_document->addObject(display(QStringLiteral("more")));
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(saved.size());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = m_files->save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().text.startsWith("Cannot save \"" + QDir::toNativeSeparators(path("hero.quillet"))));
    QCOMPARE(bytes("hero.quillet"), saved);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"hero.quillet"});
    QVERIFY(m_document->isModified());
#endif
}

void tst_WorkspaceFiles::exportsEverySnippet()
{
    QSignalSpy notes(m_files, &WorkspaceFiles::noteRequested);
    QVERIFY(!m_files->exportLua(GraphicsApi::V1));
    QCOMPARE(notes.takeFirst().at(0).toString(), QStringLiteral("No snippet to export"));

    auto noSnippet = std::make_unique<clsDisplay>();
    noSnippet->setVarName(QStringLiteral("picture"));
    noSnippet->setDObjType(clsDisplay::kindCount); // no known kind, so no snippet
    QVERIFY(!noSnippet->codeSnippet());
    auto alert = std::make_unique<clsAlert>();
    alert->setVarName(QStringLiteral("ask"));
    alert->setTitle(QStringLiteral("Quit?"));
    m_document->addObject(display(QStringLiteral("ball")));
    m_document->addObject(std::move(noSnippet));
    m_document->addObject(std::move(alert));
    const QString first = *m_document->objects().at(1)->codeSnippet(GraphicsApi::V2);
    const QString last = *m_document->objects().at(3)->codeSnippet(GraphicsApi::V2);

    fileDialog()->setNextFileName(path("game.lua"));
    QVERIFY(m_files->exportLua(GraphicsApi::V2));
    QCOMPARE(bytes("game.lua"), (first + QStringLiteral("\r\n") + last).toUtf8());
    QCOMPARE(notes.takeFirst().at(0).toString(),
             QStringLiteral("Exported 2 snippets to game.lua; 1 object has no snippet and was skipped"));
    QCOMPARE(m_document->undoStack()->count(), 3); // exporting is no step
}

void tst_WorkspaceFiles::remembersRecentFiles()
{
    QStringList expected;
    for (int i = 1; i <= WorkspaceFiles::recentCount + 2; ++i) {
        const QString name = path(QStringLiteral("w%1.quillet").arg(i));
        fileDialog()->setNextFileName(name);
        QVERIFY(m_files->saveAs());
        expected.prepend(name);
    }
    // Opening one moves it to the top without a second entry.
    QVERIFY(m_files->openFile(path("w5.quillet")));
    expected.removeAll(path("w5.quillet"));
    expected.prepend(path("w5.quillet"));
    expected = expected.mid(0, WorkspaceFiles::recentCount);
    QCOMPARE(m_files->recentFiles(), expected);
    // A file that has gone is dropped when it fails to open.
    QVERIFY(QFile::remove(path("w9.quillet")));
    QVERIFY(!m_files->openFile(path("w9.quillet")));
    QCOMPARE(MessageBox::takeShown().size(), 1);
    expected.removeAll(path("w9.quillet"));
    QCOMPARE(m_files->recentFiles(), expected);
}

QTEST_MAIN(tst_WorkspaceFiles)
#include "tst_WorkspaceFiles.moc"
