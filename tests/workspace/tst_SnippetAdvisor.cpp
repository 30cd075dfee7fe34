#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "SnippetAdvisor.h"

#include <QtTest>

#include <memory>

using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(ObjectPtr)

namespace {

ObjectPtr display(const QString& name, qint16 kind, const QString& file = {}, const QString& group = {})
{
    auto d = std::make_shared<clsDisplay>();
    d->setVarName(name);
    d->setDObjType(kind);
    d->setReference(clsDisplay::Center);
    d->setFilename(file);
    d->setParGroup(group);
    return d;
}

ObjectPtr transition(const QString& name, const QString& key, const QString& value)
{
    auto t = std::make_shared<clsTransition>();
    t->setVarName(name);
    t->addProperty(value, key);
    return t;
}

ObjectPtr alert(const QString& title, int buttons)
{
    auto a = std::make_shared<clsAlert>();
    a->setVarName(QStringLiteral("quit"));
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
    void warnings_data();
    void warnings();
};

void tst_SnippetAdvisor::review_data()
{
    QTest::addColumn<ObjectPtr>("object");
    QTest::addColumn<int>("line"); // 0: compiles
    QTest::addColumn<QString>("hint");

    QTest::newRow("valid rect") << display("hero", clsDisplay::Rect) << 0 << "";
    QTest::newRow("valid transition to a field") << transition("hero.sprite", "x", "10") << 0 << "";
    QTest::newRow("valid alert") << alert("Quit?", 2) << 0 << "";
    QTest::newRow("blank in name") << display("my hero", clsDisplay::Rect) << 6 << "is not a Lua name";
    QTest::newRow("keyword name") << display("end", clsDisplay::Circle) << 2 << "is a Lua keyword";
    QTest::newRow("quote in file") << display("hero", clsDisplay::Image, "he\"ro.png") << 6
                                   << "file name holds a double quote";
    QTest::newRow("image parent no file")
        << display("hero", clsDisplay::Image, "", "grp") << 6 << "needs a file name";
    QTest::newRow("empty value") << transition("ball", "x", "") << 2 << "has no value";
    QTest::newRow("quote in title") << alert("Say \"hi\"", 1) << 5 << "title holds a double quote";
}

void tst_SnippetAdvisor::review()
{
    QFETCH(ObjectPtr, object);
    QFETCH(int, line);
    QFETCH(QString, hint);
    const QString snippet = object->codeSnippet().value();
    const SnippetAdvisor::Report report = SnippetAdvisor::review(*object, snippet, {object.get()});
    QCOMPARE(report.compiles(), line == 0);
    if (line == 0) {
        QVERIFY(report.hints.isEmpty());
        QVERIFY(report.errorText().isEmpty());
        return;
    }
    QCOMPARE(report.error->line, line);
    const QString text = report.errorText();
    QVERIFY2(text.startsWith(QStringLiteral("Lua cannot compile this snippet: line %1: ").arg(line)),
             qPrintable(text));
    QVERIFY2(text.contains(hint), qPrintable(text));
}

void tst_SnippetAdvisor::warnings_data()
{
    QTest::addColumn<ObjectPtr>("object");
    QTest::addColumn<ObjectPtr>("other");
    QTest::addColumn<QString>("warning");

    QTest::newRow("five buttons") << alert("t", 5) << display("x", clsDisplay::Rect) << "";
    QTest::newRow("six buttons") << alert("t", 6) << display("x", clsDisplay::Rect) << "at most 5 buttons";
    QTest::newRow("two displays one name")
        << display("hero", clsDisplay::Rect) << display("hero", clsDisplay::Circle)
        << "also used by another object";
    QTest::newRow("transition targets display")
        << transition("hero", "x", "1") << display("hero", clsDisplay::Rect) << "";
    auto shared = std::make_shared<clsTransition>();
    shared->setOnStart(QStringLiteral("done"));
    shared->setOnComplete(QStringLiteral("done"));
    QTest::newRow("one listener name twice")
        << ObjectPtr(shared) << display("x", clsDisplay::Rect) << "hides the first";
    QTest::newRow("names differ in case")
        << display("Hero", clsDisplay::Rect) << display("hero", clsDisplay::Rect) << "";
}

void tst_SnippetAdvisor::warnings()
{
    QFETCH(ObjectPtr, object);
    QFETCH(ObjectPtr, other);
    QFETCH(QString, warning);
    const QStringList found = SnippetAdvisor::warnings(*object, {object.get(), other.get()});
    if (warning.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('|'))));
    else
        QVERIFY2(found.size() == 1 && found.first().contains(warning),
                 qPrintable(found.join(QLatin1Char('|'))));
}

QTEST_APPLESS_MAIN(tst_SnippetAdvisor)
#include "tst_SnippetAdvisor.moc"
