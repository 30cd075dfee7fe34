#include "GraphicsTarget.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

Q_DECLARE_METATYPE(GraphicsApi)

class tst_GraphicsTarget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void storedChoice_data();
    void storedChoice();
    void choiceIsKept();
};

// Every test program is isolated before main runs; this one checks that it really is.
void tst_GraphicsTarget::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    const QString file = QSettings().fileName();
    QVERIFY2(file.startsWith(QDir::tempPath()) && !file.startsWith(QDir::homePath()), qPrintable(file));
}

void tst_GraphicsTarget::init()
{
    QSettings().clear();
}

void tst_GraphicsTarget::storedChoice_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored yet
    QTest::addColumn<GraphicsApi>("api");
    QTest::newRow("first start") << QVariant() << GraphicsApi::V2;
    QTest::newRow("1") << QVariant(1) << GraphicsApi::V1;
    QTest::newRow("2") << QVariant(2) << GraphicsApi::V2;
    QTest::newRow("2 as text") << QVariant(QStringLiteral("2")) << GraphicsApi::V2;
    QTest::newRow("unknown number") << QVariant(3) << GraphicsApi::V2;
}

void tst_GraphicsTarget::storedChoice()
{
    QFETCH(QVariant, stored);
    QFETCH(GraphicsApi, api);
    if (stored.isValid())
        QSettings().setValue(QStringLiteral("target"), stored);
    QCOMPARE(GraphicsTarget().api(), api);
    QCOMPARE(GraphicsTarget::apiAt(GraphicsTarget::indexOf(api)), api);
}

void tst_GraphicsTarget::choiceIsKept()
{
    GraphicsTarget target;
    QSignalSpy changes(&target, &GraphicsTarget::apiChanged);
    target.setApi(GraphicsApi::V2); // no change
    target.setApi(GraphicsApi::V1);
    target.setApi(GraphicsApi::V1);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).value<GraphicsApi>(), GraphicsApi::V1);
    QCOMPARE(GraphicsTarget().api(), GraphicsApi::V1);
    target.setApi(GraphicsApi::V2);
    QCOMPARE(GraphicsTarget().api(), GraphicsApi::V2);
    QCOMPARE(changes.size(), 2);
}

QTEST_GUILESS_MAIN(tst_GraphicsTarget)
#include "tst_GraphicsTarget.moc"
