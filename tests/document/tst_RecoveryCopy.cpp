#include "Golden.h"
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
    for (const QStringList& row : Golden::rows("document/golden/RecoveryRefused.txt")) {
        const QJsonValue value = QJsonDocument::fromJson("[" + row[2].toUtf8() + "]").array().at(0);
        QTest::newRow(qPrintable(row[0])) << row[1] << value << row[3];
    }
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
