#include "clsDisplay.h"
#include "FileDialog.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "ProjectFolder.h"
#include "TestSettings.h"
#include "Ui.h"
#include "WorkspaceDocument.h"
#include "WorkspaceWriter.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <QUndoStack>

// A workspace tied to its game: found from where it is saved, chosen or cleared in the File
// menu as undo steps, and kept in the file.
class tst_ProjectFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init();
    void foundFromSavedWorkspace();
    void chosenAndClearedUndoably();
    void goneFolderKeptInFile();
    void foundUpToSevenFoldersUp();

private:
    QString write(const QString& name, const QByteArray& bytes) const;
    QString project(frmMain& w) { return Ui::find<QLabel>(&w, "lblProject")->text(); }
    void trigger(frmMain& w, const char* name) { w.findChild<QAction*>(QLatin1String(name))->trigger(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ProjectFolder::init()
{
    QSettings().clear();
    MessageBox::setRecording(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString tst_ProjectFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void tst_ProjectFolder::foundFromSavedWorkspace()
{
    write(QStringLiteral("Hero/main.lua"), "-- the game");
    write(QStringLiteral("Hero/config.lua"), "application = { content = { width = 640, height = 960, scale = "
                                             "'letterbox', graphicsCompatibility = 1 } }");
    frmMain window;
    QCOMPARE(
        project(window),
        QStringLiteral("No project folder: content 320 × 480, letterbox (Solar2D's new-project template)"));
    auto* target = Ui::find<QComboBox>(&window, "cboTarget");
    target->setCurrentIndex(1);
    fileDialog()->setNextFileName(write(QStringLiteral("Hero/levels/one/start.quillet"), QByteArray()));
    trigger(window, "actSaveAs");
    QTRY_COMPARE(project(window), QStringLiteral("Hero: content 640 × 960, letterbox, Graphics 1.0"));
    QCOMPARE(target->currentIndex(), 0);
    QCOMPARE(Ui::find<QLabel>(&window, "lblNote")->text(),
             QStringLiteral("Target set from config.lua: Corona (Graphics 1.0)"));

    // A change on disk is read again, and a failing config is shown while the stage goes on.
    write(QStringLiteral("Hero/config.lua"), "error('x')");
    QTRY_COMPARE(project(window), QStringLiteral("Hero: content 320 × 480, no scaling, Graphics 2.0\n"
                                                 "config.lua: config.lua:1: x"));
    QCOMPARE(target->currentIndex(), 0); // only a new tie sets the target
}

void tst_ProjectFolder::chosenAndClearedUndoably()
{
    write(QStringLiteral("main.lua"), "-- the workspace sits in a game");
    const QString game = QFileInfo(write(QStringLiteral("Other Game/main.lua"), "")).absolutePath();
    const QString file = write(QStringLiteral("ws.quillet"),
                               R"({"format": "quillet-workspace", "version": 1, "objects": []})");
    frmMain window;
    QVERIFY(window.openFile(file));
    const QString found = QDir(m_dir->path()).dirName() + QStringLiteral(": content 320 × 480, no scaling");
    QTRY_VERIFY2(project(window).startsWith(found), qPrintable(project(window)));
    // No config.lua, so nothing to set the target from.
    QVERIFY(!Ui::find<QLabel>(&window, "lblNote")->text().contains(QLatin1String("config.lua")));
    auto* document = window.findChild<WorkspaceDocument*>();

    fileDialog()->setNextFileName(game);
    trigger(window, "actProjectFolder");
    QCOMPARE(document->undoStack()->undoText(), QStringLiteral("Set Project Folder"));
    QVERIFY(document->isModified());
    QTRY_VERIFY(project(window).startsWith(QLatin1String("Other Game: ")));
    trigger(window, "actClearProject");
    QCOMPARE(document->undoStack()->undoText(), QStringLiteral("Clear Project Folder"));
    // Cleared means no folder at all, not the one above the file.
    QTRY_VERIFY(project(window).startsWith(QLatin1String("No project folder: ")));
    document->undoStack()->undo();
    QTRY_VERIFY(project(window).startsWith(QLatin1String("Other Game: ")));
    document->undoStack()->redo();
    trigger(window, "actSave");

    frmMain again;
    QVERIFY(again.openFile(file));
    QTest::qWait(300);
    QVERIFY(project(again).startsWith(QLatin1String("No project folder: ")));
    QCOMPARE(again.findChild<WorkspaceDocument*>()->projectLink().choice, ProjectLink::Choice::None);
}

void tst_ProjectFolder::goneFolderKeptInFile()
{
    const clsDisplay hero;
    const QString file = m_dir->filePath(QStringLiteral("ws/level.quillet"));
    write(QStringLiteral("ws/level.quillet"),
          WorkspaceWriter::write(
              {&hero}, {ProjectLink::Choice::Folder, m_dir->filePath(QStringLiteral("game"))}, file));
    frmMain window;
    QVERIFY(window.openFile(file));
    QCOMPARE(window.findChild<WorkspaceDocument*>()->objects().count(), 1);
    QCOMPARE(Ui::find<QLabel>(&window, "lblNote")->text(),
             QStringLiteral("Project folder ../game not found"));
    QVERIFY(project(window).startsWith(QLatin1String("No project folder: ")));
    const QString copy = m_dir->filePath(QStringLiteral("ws/copy.quillet"));
    fileDialog()->setNextFileName(copy);
    trigger(window, "actSaveAs");
    QFile saved(copy);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("\"project\": \"../game\""));
}

void tst_ProjectFolder::foundUpToSevenFoldersUp()
{
    const QString game = QFileInfo(write(QStringLiteral("game/main.lua"), "")).absolutePath();
    QCOMPARE(ProjectFolder::findFor(write(QStringLiteral("game/1/2/3/4/5/6/7/ws.quillet"), "")), game);
    QCOMPARE(ProjectFolder::findFor(write(QStringLiteral("game/1/2/3/4/5/6/7/8/ws.quillet"), "")), QString());
}

QTEST_MAIN(tst_ProjectFolder)
#include "tst_ProjectFolder.moc"
