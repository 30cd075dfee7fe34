#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FileDialog.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "TestSettings.h"
#include "WorkspaceDocument.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

// The File menu as the window offers it: the commands, the caption and closing.
class tst_frmMainFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init();
    void cleanup();
    void fileMenuComesFirst();
    void shortcuts_data();
    void shortcuts();
    void sceneSurvivesSaveAndReopen();
    void closing_data();
    void closing();
    void badFileAtStartLeavesEmptyWorkspace();

private:
    QAction* action(frmMain& window, const char* name) const
    {
        return window.findChild<QAction*>(QLatin1String(name));
    }
    WorkspaceDocument* document(frmMain& window) const { return window.findChild<WorkspaceDocument*>(); }
    void buildScene(frmMain& window) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_frmMainFiles::buildScene(frmMain& window) const
{
    auto d = std::make_unique<clsDisplay>();
    d->init();
    d->setVarName(QStringLiteral("hero"));
    d->setDObjType(clsDisplay::ImageRect);
    d->setFilename(QStringLiteral("hero \"one\".png"));
    d->setReference(clsDisplay::BottomRight);
    d->setEventHandling(clsDisplay::Began | clsDisplay::Ended);
    d->setX(-40);
    d->setSWidth(64);
    d->setSHeight(48);
    d->setColour(0x336699);
    window.addObject(std::move(d));
    auto t = std::make_unique<clsTransition>();
    t->setVarName(QStringLiteral("hero"));
    t->setTransitionDirection(0);
    t->setOnComplete(QStringLiteral("landed"));
    t->addProperty(QStringLiteral("300"), QStringLiteral("x"));
    t->addProperty(QStringLiteral("0.25"), QStringLiteral("alpha"));
    window.addObject(std::move(t));
    auto a = std::make_unique<clsAlert>();
    a->setVarName(QStringLiteral("again"));
    a->setTitle(QStringLiteral("Game over — encore ?"));
    a->setMessage(QStringLiteral("Play\tagain?"));
    a->addButton(QStringLiteral("1"), QStringLiteral("Yes"));
    a->addButton(QStringLiteral("2"), QStringLiteral("No"));
    window.addObject(std::move(a));
}

void tst_frmMainFiles::init()
{
    QSettings().clear();
    MessageBox::setRecording(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_frmMainFiles::cleanup()
{
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    // Names a failed row left queued would answer the next row's dialogs.
    const qsizetype unused = fileDialog()->pendingFileNames();
    while (fileDialog()->pendingFileNames() > 0)
        fileDialog()->getOpenFileName(nullptr, {}, {}, {});
    QCOMPARE(unused, 0);
}

void tst_frmMainFiles::fileMenuComesFirst()
{
    frmMain window;
    const QList<QAction*> menus = window.menuBar()->actions();
    QVERIFY(menus.size() >= 2);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Edit"));
    QStringList entries;
    for (QAction* entry : menus.at(0)->menu()->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(entries, (QStringList{"&New", "&Open...", "Open &Recent", "-", "&Save", "Save &As...", "-",
                                   "&Project Folder...", "C&lear Project Folder", "-", "&Export Lua...", "-",
                                   "&Quit"}));
}

void tst_frmMainFiles::shortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");
    // Where the desktop defines none, the common keys.
    const auto orCommon = [](QKeySequence::StandardKey key, const char* common) {
        const QKeySequence standard(key);
        return standard.isEmpty() ? QKeySequence(QLatin1String(common)) : standard;
    };
    const QList<std::pair<const char*, QKeySequence>> commands{
        {"actNew", QKeySequence::New},
        {"actOpen", QKeySequence::Open},
        {"actSave", QKeySequence::Save},
        {"actSaveAs", orCommon(QKeySequence::SaveAs, "Ctrl+Shift+S")},
        {"actQuit", orCommon(QKeySequence::Quit, "Ctrl+Q")}};
    for (const auto& [name, keys] : commands) {
        for (const char* focus : {"tv1", "txtCode"})
            QTest::addRow("%s, %s", name, focus) << name << keys << focus;
    }
}

// Each key reaches its command from the tree and from the code pane alike.
void tst_frmMainFiles::shortcuts()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction* command = window.findChild<QAction*>(name);
    QVERIFY(command);
    QSignalSpy triggered(command, &QAction::triggered);
    // Every command then stops at once: Open and Save As at a cancelled dialog.
    if (name.startsWith(QLatin1String("actOpen")) || name.startsWith(QLatin1String("actSave")))
        fileDialog()->setNextFileName(QString());
    QWidget* target = window.findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keySequence(target, keys);
    QCOMPARE(triggered.count(), 1);
}

void tst_frmMainFiles::sceneSurvivesSaveAndReopen()
{
    const QString path = m_dir->filePath(QStringLiteral("scene.quillet"));
    const auto snippetsOf = [this](frmMain& window) {
        QStringList snippets;
        for (const ModelObject* object : document(window)->objects().objects())
            snippets << *object->codeSnippet(GraphicsApi::V1) << *object->codeSnippet(GraphicsApi::V2);
        return snippets;
    };
    QStringList snippets;
    {
        frmMain window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quillet"));
        buildScene(window);
        snippets = snippetsOf(window);
        fileDialog()->setNextFileName(path);
        action(window, "actSave")->trigger(); // never saved: acts as Save As
        QCOMPARE(window.windowTitle(), QStringLiteral("scene.quillet[*] - Quillet"));
        QVERIFY(!window.isWindowModified());
        // The mark follows the undo stack back to the saved state.
        action(window, "actUndo")->trigger();
        QVERIFY(window.isWindowModified());
        action(window, "actRedo")->trigger();
        QVERIFY(!window.isWindowModified());
        QVERIFY(window.close());
    }
    QCOMPARE(MessageBox::takeShown().size(), 0);

    frmMain window;
    window.show();
    QVERIFY(window.openFile(path));
    QCOMPARE(window.windowTitle(), QStringLiteral("scene.quillet[*] - Quillet"));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(snippetsOf(window), snippets);
    QVERIFY(!action(window, "actUndo")->isEnabled());
    // Another window offers the file under Open Recent once its File menu opens.
    frmMain next;
    QMenu* recent = next.findChild<QMenu*>(QStringLiteral("mnuRecent"));
    emit next.findChild<QMenu*>(QStringLiteral("mnuFileMenu"))->aboutToShow();
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->actions().size(), 3); // the file, a line, Clear Menu
    QCOMPARE(recent->actions().first()->text(), "&1 " + QDir::toNativeSeparators(path));
}

void tst_frmMainFiles::closing_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("answer"); // -1: no question expected
    QTest::addColumn<bool>("closes");
    QTest::newRow("never saved, with objects") << false << -1 << true;
    QTest::newRow("saved, changed, discard") << true << int(MessageBox::Answer::Discard) << true;
    QTest::newRow("saved, changed, cancel") << true << int(MessageBox::Answer::Cancel) << false;
}

void tst_frmMainFiles::closing()
{
    QFETCH(bool, saved);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    const QString path = m_dir->filePath(QStringLiteral("scene.quillet"));
    frmMain window;
    window.show();
    if (saved) {
        fileDialog()->setNextFileName(path);
        action(window, "actSaveAs")->trigger();
    }
    buildScene(window);
    if (answer >= 0)
        MessageBox::setNextAnswer(MessageBox::Answer(answer));
    QCOMPARE(window.close(), closes);
    QCOMPARE(MessageBox::takeShown().size(), answer >= 0 ? 1 : 0);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(document(window)->objects().count(), closes ? 0 : 3);
}

void tst_frmMainFiles::badFileAtStartLeavesEmptyWorkspace()
{
    const QString path = m_dir->filePath(QStringLiteral("broken.quillet"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "quillet-workspace", "version": 1, "objects": [{"kind": "Alert"}]})");
    file.close();
    frmMain window;
    window.show();
    QVERIFY(!window.openFile(path));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().caption, QStringLiteral("Quillet"));
    QCOMPARE(shown.first().parent, &window);
    QVERIFY(shown.first().text.contains(QStringLiteral("broken.quillet")));
    QVERIFY(shown.first().text.endsWith(QStringLiteral("object 1: missing key \"varName\"")));
    QVERIFY(document(window)->objects().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillet"));
}

QTEST_MAIN(tst_frmMainFiles)
#include "tst_frmMainFiles.moc"
