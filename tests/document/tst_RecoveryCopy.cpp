#include "RecoveryCopy.h"

#include <QtTest>

// The recovery copy is read as strictly as a workspace file: what it does not say exactly is
// refused, never guessed.
class tst_RecoveryCopy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refuses_data();
    void refuses();
};

void tst_RecoveryCopy::refuses_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value"); // undefined: the key is left out
    QTest::addColumn<QString>("problem");
    QTest::newRow("workspace file") << "format" << QJsonValue("quillet-workspace")
                                    << "not a Quillet recovery copy";
    QTest::newRow("no mark") << "modified" << QJsonValue(QJsonValue::Undefined) << "missing key \"modified\"";
    QTest::newRow("unknown key") << "undo" << QJsonValue(QJsonArray()) << "unknown key \"undo\"";
    QTest::newRow("relative file") << "file" << QJsonValue("hero.quillet")
                                   << "file must be empty or an absolute path";
    QTest::newRow("folder without choice") << "projectFolder" << QJsonValue("/games/hero")
                                           << "projectFolder must be empty unless project is \"folder\"";
    QTest::newRow("bad object") << "objects" << QJsonValue(QJsonArray{1}) << "object 1: not a JSON object";
}

void tst_RecoveryCopy::refuses()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    const QByteArray good = RecoveryCopy::write({}, QStringLiteral("/games/hero.quillet"), true,
                                                {ProjectLink::Choice::None, {}}, false);
    QVERIFY2(RecoveryCopy::read(good).ok(), qPrintable(RecoveryCopy::read(good).problem));
    QJsonObject root = QJsonDocument::fromJson(good).object();
    if (value.isUndefined())
        root.remove(key);
    else
        root.insert(key, value);
    const RecoveryCopy::Result read = RecoveryCopy::read(QJsonDocument(root).toJson());
    QCOMPARE(read.problem, problem);
    QVERIFY(!read.copy);
}

QTEST_MAIN(tst_RecoveryCopy)
#include "tst_RecoveryCopy.moc"
