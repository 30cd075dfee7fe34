#include "clsDisplay.h"
#include "Golden.h"
#include "SnippetAdvisor.h"
#include "WorkspaceReader.h"

#include <QtTest>

#include <memory>

using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(ObjectPtr)
Q_DECLARE_METATYPE(GraphicsApi)

namespace {

// The objects of golden/Advice.quillet, or none when it cannot be read.
std::vector<ObjectPtr> objects()
{
    std::vector<ObjectPtr> objects;
    for (auto& object :
         WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_DIR "/workspace/golden/Advice.quillet"))
             .objects)
        objects.push_back(std::move(object));
    return objects;
}

} // namespace

class tst_SnippetAdvisor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void review_data();
    void review();
    void noSnippetReason();
};

void tst_SnippetAdvisor::review_data()
{
    QTest::addColumn<ObjectPtr>("object");
    QTest::addColumn<ObjectPtr>("other"); // shares the workspace
    QTest::addColumn<GraphicsApi>("api");
    QTest::addColumn<int>("line");      // 0: compiles
    QTest::addColumn<QString>("found"); // the hint, or the one warning or note when it compiles
    const std::vector<ObjectPtr> all = objects();
    const auto at = [&all](const QString& cell) {
        return all.size() == 42 ? all.at(cell.toInt() - 1) : nullptr;
    };
    for (const QStringList& row : Golden::rows("workspace/golden/Advice.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << at(row.value(1)) << at(row.value(2))
            << (row.value(3) == "1" ? GraphicsApi::V1 : GraphicsApi::V2) << row.value(4).toInt()
            << (row.value(5) == "-" ? QString() : row.value(5));
}

void tst_SnippetAdvisor::review()
{
    QFETCH(ObjectPtr, object);
    QFETCH(ObjectPtr, other);
    QFETCH(GraphicsApi, api);
    QFETCH(int, line);
    QFETCH(QString, found);
    QVERIFY(object && other);
    const QList<const ModelObject*> workspace{object.get(), other.get()};
    const auto report = SnippetAdvisor::review(*object, object->codeSnippet(api).value(), workspace, api);
    const QString text = report.errorText();
    QCOMPARE(report.compiles(), line == 0);
    if (line != 0) {
        QCOMPARE(report.error->line, line);
        QVERIFY2(text.startsWith(QStringLiteral("Lua cannot compile this snippet: line %1: ").arg(line)) &&
                     text.contains(found),
                 qPrintable(text));
        return;
    }
    QVERIFY2(text.isEmpty() && report.hints.isEmpty(), qPrintable(text));
    QStringList said = report.warnings + report.notes;
    if (!report.groupLoop.isEmpty())
        said << report.groupLoop;
    QVERIFY2(found.isEmpty() ? said.isEmpty() : said.size() == 1 && said.first().contains(found),
             qPrintable(said.join(QLatin1Char('|'))));
}

void tst_SnippetAdvisor::noSnippetReason()
{
    const std::vector<ObjectPtr> all = objects();
    QCOMPARE(all.size(), size_t(42));
    QCOMPARE(SnippetAdvisor::noSnippetReason(*all.at(36)), QString()); // an image
    clsDisplay unknown;                                                // which no workspace file can hold
    unknown.setDObjType(clsDisplay::kindCount);
    QCOMPARE(SnippetAdvisor::noSnippetReason(unknown),
             QStringLiteral("No Lua for this object: a display object needs a kind"));
}

QTEST_APPLESS_MAIN(tst_SnippetAdvisor)
#include "tst_SnippetAdvisor.moc"
