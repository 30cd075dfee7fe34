#include "clsAlert.h"
#include "ObjectCollection.h"

#include <QtTest>

// Positions count from 1; what the collection refuses leaves it as it was.
class tst_ObjectCollection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changes_data();
    void changes();
};

void tst_ObjectCollection::changes_data()
{
    QTest::addColumn<QString>("op"); // insert, replace or take
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("given"); // the new object's name; empty for no object
    QTest::addColumn<QString>("held");  // the names held afterwards
    QTest::addColumn<QString>("out");   // the object handed out, or "done" for a true insert
    // clang-format off
    QTest::newRow("replace last")       << "replace" << 3 << "x" << "abx"  << "c";
    QTest::newRow("replace by nothing") << "replace" << 1 << ""  << "abc"  << "";
    QTest::newRow("replace past end")   << "replace" << 4 << "x" << "abc"  << "";
    QTest::newRow("insert after last")  << "insert"  << 4 << "x" << "abcx" << "done";
    QTest::newRow("insert nothing")     << "insert"  << 1 << ""  << "abc"  << "";
    QTest::newRow("insert at 0")        << "insert"  << 0 << "x" << "abc"  << "";
    QTest::newRow("take first")         << "take"    << 1 << ""  << "bc"   << "a";
    QTest::newRow("take past end")      << "take"    << 4 << ""  << "abc"  << "";
    // clang-format on
}

void tst_ObjectCollection::changes()
{
    QFETCH(QString, op);
    QFETCH(int, position);
    QFETCH(QString, given);
    const auto named = [](const QString& name) {
        auto alert = std::make_unique<clsAlert>();
        alert->setVarName(name);
        return alert;
    };
    ObjectCollection collection;
    for (const QString name : {"a", "b", "c"})
        collection.append(named(name));
    std::unique_ptr<ModelObject> object = given.isEmpty() ? nullptr : named(given);
    QString out;
    if (op == "insert") {
        out = collection.insert(position, std::move(object)) ? "done" : "";
    } else {
        const std::unique_ptr<ModelObject> handed =
            op == "take" ? collection.take(position) : collection.replace(position, std::move(object));
        out = handed ? handed->varName() : QString();
    }
    QString held;
    for (const ModelObject* each : collection.objects())
        held += each ? each->varName() : QStringLiteral("-");
    QTEST(held, "held");
    QTEST(out, "out");
}

QTEST_APPLESS_MAIN(tst_ObjectCollection)
#include "tst_ObjectCollection.moc"
