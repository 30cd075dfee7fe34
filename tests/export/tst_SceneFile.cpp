#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ExpectedText.h"
#include "LuaCompiler.h"
#include "LuaHarness.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "SceneFile.h"
#include "WorkspaceReader.h"

#include <QtTest>

// Scene files of golden/scenes/scene.quillet for each target, byte for byte, and their life
// in a stand-in of Composer: the export's note, then where every object ends on the screen,
// then each transition's state after hide (golden/scenes/graphics<key>.run).
class tst_SceneFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scenes_data();
    void scenes();
    void large();
};

namespace {

QList<const ModelObject*> pointers(const std::vector<std::unique_ptr<ModelObject>>& objects)
{
    QList<const ModelObject*> list;
    for (const auto& object : objects)
        list << object.get();
    return list;
}

QStringList runScene(const QString& text, GraphicsApi api)
{
    QFile stub(QStringLiteral(QUILLET_TEST_LUA_DIR "/composer_stub.lua"));
    if (!stub.open(QIODevice::ReadOnly))
        return {stub.fileName()};
    return LuaHarness::runWithCorona(
        {QString::fromUtf8(stub.readAll()), QStringLiteral("corona.runScene([=====[%1]=====])").arg(text)},
        api);
}

// luacheck's warnings on the text, with the engine's globals known.
QString lint(const QString& text)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("scene.lua")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return file.errorString();
    file.close();
    QProcess luacheck;
    luacheck.setProcessChannelMode(QProcess::MergedChannels);
    luacheck.start(QStringLiteral("luacheck"),
                   {"--no-config", "--std", "lua51", "--no-max-line-length", "--formatter", "plain",
                    "--read-globals", "display", "native", "transition", "easing", "--", file.fileName()});
    luacheck.waitForFinished(120000);
    return luacheck.exitCode() == 0 ? QString() : QString::fromUtf8(luacheck.readAll());
}

// n objects, every tenth a group inside the group made ten objects before it, a transition
// for every other object, and an alert for every tenth.
std::vector<std::unique_ptr<ModelObject>> manyObjects(int n)
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    for (int i = 0; i < n; ++i) {
        auto d = std::make_unique<clsDisplay>();
        d->setVarName(QStringLiteral("o%1").arg(i));
        d->setDObjType(i % 10 == 0 ? clsDisplay::Group : clsDisplay::Rect);
        d->setEventHandling(clsDisplay::Began | clsDisplay::Ended);
        d->setX(i % 300);
        d->setSWidth(5);
        if (i >= 10)
            d->setParGroup(QStringLiteral("o%1").arg((i / 10 - 1) * 10));
        objects.push_back(std::move(d));
    }
    for (int i = 0; i < n / 2; ++i) {
        auto t = std::make_unique<clsTransition>();
        t->setVarName(QStringLiteral("o%1").arg(2 * i + 1));
        t->setDuration(100);
        t->setOnComplete(QStringLiteral("done%1").arg(i));
        objects.push_back(std::move(t));
    }
    for (int i = 0; i < n / 10; ++i) {
        auto a = std::make_unique<clsAlert>();
        a->setVarName(QStringLiteral("a%1").arg(i));
        objects.push_back(std::move(a));
    }
    return objects;
}

} // namespace

void tst_SceneFile::scenes_data()
{
    QTest::addColumn<int>("key");
    for (const LuaTarget* target : LuaTargets::all())
        QTest::newRow(qPrintable(target->caption())) << target->key();
}

void tst_SceneFile::scenes()
{
    QFETCH(int, key);
    const WorkspaceReader::Result read =
        WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/scenes/scene.quillet"));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    const SnippetCollector::Result scene =
        SceneFile().write(pointers(read.objects), *LuaTargets::findKey(key), QStringLiteral("/x/level1.lua"));
    const QString name = QStringLiteral("scenes/graphics%1").arg(key);
    QCOMPARE(scene.text, ExpectedText::golden(name + QStringLiteral(".lua")));
    const QStringList run = QStringList{SnippetCollector::exportNote(scene, QStringLiteral("level1.lua"))} +
                            runScene(scene.text, GraphicsApi(key));
    QCOMPARE(ExpectedText::crlf(run), ExpectedText::golden(name + QStringLiteral(".run")));
    if (GraphicsApi(key) == GraphicsApi::V2)
        QCOMPARE(lint(scene.text), QString());
}

// Past Lua's limits on one function: 200 locals, 60 upvalues, 32,767 local declarations.
void tst_SceneFile::large()
{
    for (const LuaTarget* target : LuaTargets::all()) {
        const auto objects = manyObjects(1000);
        const SnippetCollector::Result scene =
            SceneFile().write(pointers(objects), *target, QStringLiteral("big.lua"));
        const QStringList run = runScene(scene.text, target->api());
        QCOMPARE(run.size(), 1 + 900 + 500);
        QCOMPARE(run.first(), QStringLiteral("alerts shown\t0"));
        QCOMPARE(run.filter(QStringLiteral("cancelled")).size(), 500);
        if (target->api() == GraphicsApi::V2)
            QCOMPARE(lint(scene.text), QString());
        const auto huge = manyObjects(32763);
        const QString text = SceneFile().write(pointers(huge), *target, QStringLiteral("huge.lua")).text;
        QVERIFY(!LuaCompiler::compile(text));
    }
}

QTEST_APPLESS_MAIN(tst_SceneFile)
#include "tst_SceneFile.moc"
