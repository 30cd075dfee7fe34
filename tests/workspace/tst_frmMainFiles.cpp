#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "DocumentWriter.h"
#include "DocumentWriters.h"
#include "FileDialog.h"
#include "frmMain.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "MessageBox.h"
#include "TestSettings.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A target and a format that only this test knows: the window must offer both from the tables.
class LabelTarget : public LuaTarget
{
public:
    GraphicsApi api() const override { return GraphicsApi(3); }
    QString caption() const override { return QStringLiteral("Label target"); }
    int graphicsCompatibility() const override { return 3; }

protected:
    std::optional<QString> display(const clsDisplay& d, const WriteContext&) const override
    {
        return QStringLiteral("-- display ") + d.varName() + QStringLiteral("\r\n");
    }
    QString transition(const clsTransition&, const WriteContext&) const override { return {}; }
    QString alert(const clsAlert&, const WriteContext&) const override { return {}; }
};

class ReversedFile : public DocumentWriter
{
public:
    QString actionName() const override { return QStringLiteral("actExportReversed"); }
    QString menuText() const override { return QStringLiteral("Export &Reversed..."); }
    QString dialogTitle() const override { return QStringLiteral("Export Reversed"); }
    QString nameFilter() const override { return QStringLiteral("Text files (*.txt)"); }
    QString suffix() const override { return QStringLiteral("txt"); }
    QString untitledName() const override { return QStringLiteral("reversed"); }
    SnippetCollector::Result write(const QList<const ModelObject*>& objects, const LuaTarget& target,
                                   const QString& fileName) const override
    {
        SnippetCollector::Result result = SnippetCollector::collect(objects, target.api());
        std::reverse(result.text.begin(), result.text.end());
        result.text += QFileInfo(fileName).fileName();
        return result;
    }
};

} // namespace

// The File menu as the window offers it: its entries and their keys.
class tst_frmMainFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void init() { MessageBox::setRecording(true); }
    void cleanup();
    void fileMenuComesFirst();
    void shortcuts_data();
    void shortcuts();
    void targetsAndFormatsFromTheirTables();
};

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
                                   "&Project Folder...", "C&lear Project Folder", "-", "&Export Lua...",
                                   "Export &Scene...", "-", "&Quit"}));
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

// A third target and a second format need no edit outside their own classes.
void tst_frmMainFiles::targetsAndFormatsFromTheirTables()
{
    LuaTargets::add(std::make_unique<LabelTarget>());
    DocumentWriters::add(std::make_unique<ReversedFile>());
    const auto restore = qScopeGuard([] {
        LuaTargets::remove(GraphicsApi(3));
        DocumentWriters::remove(QStringLiteral("actExportReversed"));
    });
    QTemporaryDir dir;
    frmMain window;
    auto* targets = window.findChild<QComboBox*>(QStringLiteral("cboTarget"));
    QVERIFY(targets);
    QCOMPARE(targets->count(), 3);
    QCOMPARE(targets->itemText(2), QStringLiteral("Label target"));
    auto* byMenu = window.findChild<QAction*>(QStringLiteral("actTargetV3"));
    QVERIFY(byMenu);
    byMenu->trigger();
    QCOMPARE(targets->currentIndex(), 2);
    QCOMPARE(int(window.currentApi()), 3);

    auto hero = std::make_unique<clsDisplay>();
    hero->init();
    hero->setVarName(QStringLiteral("hero"));
    window.addObject(std::move(hero));
    const QString lua = dir.filePath(QStringLiteral("game.lua"));
    fileDialog()->setNextFileName(lua);
    window.findChild<QAction*>(QStringLiteral("actExport"))->trigger();
    QFile exported(lua);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), QByteArray("-- display hero\r\n"));

    const QString text = dir.filePath(QStringLiteral("game.txt"));
    fileDialog()->setNextFileName(text);
    auto* other = window.findChild<QAction*>(QStringLiteral("actExportReversed"));
    QVERIFY(other);
    other->trigger();
    QFile reversed(text);
    QVERIFY(reversed.open(QIODevice::ReadOnly));
    QCOMPARE(reversed.readAll(), QByteArray("\n\roreh yalpsid --game.txt"));
}

QTEST_MAIN(tst_frmMainFiles)
#include "tst_frmMainFiles.moc"
