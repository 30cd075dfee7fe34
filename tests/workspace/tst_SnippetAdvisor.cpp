#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "SnippetAdvisor.h"

#include <QtTest>

#include <memory>

using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(ObjectPtr)
Q_DECLARE_METATYPE(GraphicsApi)

namespace {

ObjectPtr display(const QString& name, qint16 kind = clsDisplay::Rect, const QString& file = {},
                  const QString& group = {})
{
    auto d = std::make_shared<clsDisplay>();
    d->setVarName(name);
    d->setDObjType(kind);
    d->setFilename(file);
    d->setParGroup(group);
    return d;
}

// No property when key is empty.
ObjectPtr transition(const QString& name, const QString& key, const QString& value)
{
    auto t = std::make_shared<clsTransition>();
    t->setVarName(name);
    if (!key.isEmpty())
        t->addProperty(value, key);
    return t;
}

ObjectPtr alert(const QString& title, int buttons)
{
    auto a = std::make_shared<clsAlert>();
    a->setTitle(title);
    for (int i = 1; i <= buttons; ++i)
        a->addButton(QStringLiteral("id%1").arg(i), QStringLiteral("B%1").arg(i));
    return a;
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
    const ObjectPtr x = display(QStringLiteral("x"));
    const ObjectPtr hero = display(QStringLiteral("hero"));
    const GraphicsApi v1 = GraphicsApi::V1, v2 = GraphicsApi::V2;
    QTest::newRow("valid rect") << display("hero") << x << v2 << 0 << "";
    QTest::newRow("valid transition to a field")
        << transition("hero.sprite", "x", "10") << hero << v2 << 0 << "";
    QTest::newRow("five buttons") << alert("Quit?", 5) << x << v1 << 0 << "";
    QTest::newRow("blank in name") << display("my hero") << x << v1 << 6 << "is not a Lua name";
    QTest::newRow("digit first") << display("2d") << x << v2 << 1 << "is not a Lua name";
    QTest::newRow("keyword name") << display("end", clsDisplay::Circle) << x << v1 << 2 << "is a Lua keyword";
    QTest::newRow("quote in name") << display("he\"ro") << x << v2 << 1
                                   << "A variable name cannot hold a double quote";
    QTest::newRow("quote in file") << display("hero", clsDisplay::Image, "he\"ro.png") << x << v1 << 0 << "";
    QTest::newRow("quote in title") << alert("Say \"hi\"", 1) << x << v2 << 0 << "";
    QTest::newRow("image parent no file")
        << display("hero", clsDisplay::Image, "", "grp") << x << v1 << 6 << "needs a file name";
    QTest::newRow("empty value") << transition("hero", "x", "") << hero << v1 << 2 << "has no value";
    QTest::newRow("six buttons") << alert("t", 6) << x << v1 << 0 << "at most 5 buttons";
    QTest::newRow("two displays one name")
        << display("hero") << display("hero", clsDisplay::Circle) << v2 << 0 << "also used by another object";
    QTest::newRow("names differ in case") << display("Hero") << hero << v1 << 0 << "";
    QTest::newRow("transition of an unknown object")
        << transition("ghost", "x", "1") << x << v2 << 0 << "ghost is not a display object of this workspace";
    QTest::newRow("transition changes nothing")
        << transition("hero", "", "") << hero << v1 << 0 << "This transition changes no property";
    auto shared = std::static_pointer_cast<clsTransition>(transition("hero", "x", "1"));
    shared->setOnStart(QStringLiteral("done"));
    shared->setOnComplete(QStringLiteral("done"));
    QTest::newRow("one listener name twice (1)") << ObjectPtr(shared) << hero << v1 << 0 << "hides the first";
    QTest::newRow("one listener name twice (2)") << ObjectPtr(shared) << hero << v2 << 0 << "";
}

void tst_SnippetAdvisor::review()
{
    QFETCH(ObjectPtr, object);
    QFETCH(ObjectPtr, other);
    QFETCH(GraphicsApi, api);
    QFETCH(int, line);
    QFETCH(QString, found);
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
    const QStringList said = report.warnings + report.notes;
    QVERIFY2(found.isEmpty() ? said.isEmpty() : said.size() == 1 && said.first().contains(found),
             qPrintable(said.join(QLatin1Char('|'))));
}

void tst_SnippetAdvisor::noSnippetReason()
{
    QCOMPARE(SnippetAdvisor::noSnippetReason(*display(QStringLiteral("pic"), clsDisplay::Image)), QString());
    QCOMPARE(SnippetAdvisor::noSnippetReason(*display(QStringLiteral("pic"), clsDisplay::kindCount)),
             QStringLiteral("No Lua for this object: a display object needs a kind"));
}

QTEST_APPLESS_MAIN(tst_SnippetAdvisor)
#include "tst_SnippetAdvisor.moc"
