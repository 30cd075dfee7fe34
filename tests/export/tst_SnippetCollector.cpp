#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "SnippetCollector.h"

#include <QtTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(GraphicsApi)

class tst_SnippetCollector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void collect_data();
    void collect();
};

// "D name" a rect with every touch phase, "X name" a display of no known kind, "T name" a
// transition, "A name" an alert; "34 D" that many rects.
static std::vector<std::unique_ptr<ModelObject>> make(const QString& descriptors)
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    for (const QString& descriptor : descriptors.split(QLatin1Char(';'))) {
        const QString kind = descriptor.section(QLatin1Char(' '), 0, 0);
        for (int n = 0, times = std::max(1, kind.toInt()); n < times; ++n) {
            auto d = std::make_unique<clsDisplay>();
            d->setDObjType(kind == QLatin1String("X") ? clsDisplay::kindCount : clsDisplay::Rect);
            d->setEventHandling(15);
            std::unique_ptr<ModelObject> object =
                kind == QLatin1String("T")   ? std::make_unique<clsTransition>()
                : kind == QLatin1String("A") ? std::make_unique<clsAlert>()
                                             : std::unique_ptr<ModelObject>(std::move(d));
            object->setVarName(times > 1 ? QStringLiteral("r%1").arg(n)
                                         : descriptor.section(QLatin1Char(' '), 1));
            objects.push_back(std::move(object));
        }
    }
    return objects;
}

void tst_SnippetCollector::collect_data()
{
    QTest::addColumn<QString>("objects");
    QTest::addColumn<GraphicsApi>("api");
    QTest::addColumn<QString>("order"); // the objects whose snippets make the text, in order
    QTest::addColumn<QString>("note");
    QTest::newRow("the tree's order")
        << "T fade;D hero;A ask;T move;D box" << GraphicsApi::V2 << "D hero;D box;A ask;T fade;T move"
        << "Copied 5 snippets";
    QTest::newRow("skipped, and one does not compile")
        << "D my hero;X pic;T fade" << GraphicsApi::V1 << "D my hero;T fade"
        << "Copied 2 snippets; 1 object has no snippet and was skipped; 1 does not compile in Lua (my hero)";
    QTest::newRow("two do not compile")
        << "X a;X b;D 1st;A my ask" << GraphicsApi::V2 << "D 1st;A my ask"
        << "Copied 2 snippets; 2 objects have no snippet and were skipped; 2 do "
           "not compile in Lua (1st, my ask)";
    // Six locals for each object under Graphics 1.0 pass Lua's limit of 200 in one chunk.
    QTest::newRow("too many locals") << "34 D" << GraphicsApi::V1 << "34 D"
                                     << "Copied 34 snippets; the whole file does not compile in Lua: main "
                                        "function has more than 200 local variables";
    QTest::newRow("two locals each") << "34 D" << GraphicsApi::V2 << "34 D"
                                     << "Copied 34 snippets";
}

void tst_SnippetCollector::collect()
{
    QFETCH(QString, objects);
    QFETCH(GraphicsApi, api);
    QFETCH(QString, order);
    QFETCH(QString, note);
    QList<const ModelObject*> given;
    const auto made = make(objects);
    for (const auto& object : made)
        given << object.get();
    QStringList snippets;
    for (const auto& object : make(order))
        snippets << object->codeSnippet(api).value();
    const SnippetCollector::Result result = SnippetCollector::collect(given, api);
    QCOMPARE(result.text, snippets.join(QStringLiteral("\r\n")));
    QCOMPARE(SnippetCollector::confirmation(result), note);
    // Export names its file, and later checks add their own parts at the end.
    const qsizetype rest = note.indexOf(QLatin1Char(';'));
    QCOMPARE(SnippetCollector::note(result, QStringLiteral("Exported"), {QStringLiteral("more")}),
             QStringLiteral("Exported") + (rest < 0 ? QString() : note.mid(rest)) + QStringLiteral("; more"));
}

QTEST_APPLESS_MAIN(tst_SnippetCollector)
#include "tst_SnippetCollector.moc"
