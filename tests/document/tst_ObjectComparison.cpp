#include "BodyJson.h"
#include "ObjectComparison.h"
#include "SampleScene.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QJsonObject>
#include <QtTest>

// An edit that changes only one value must never be taken for no change: it would be dropped.
// Each value the workspace file keeps is changed in turn, so a value added later counts too.
class tst_ObjectComparison : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyValueCounts_data();
    void everyValueCounts();
};

void tst_ObjectComparison::everyValueCounts_data()
{
    QTest::addColumn<QJsonObject>("original");
    QTest::addColumn<QString>("key"); // empty: an unchanged copy
    for (const auto& object : sampleScene()) {
        const QJsonObject entry =
            WorkspaceWriter::objectsArray({object.get()}, WorkspaceWriter::version).first().toObject();
        const QByteArray kind = object->ObjType().toUtf8();
        QTest::addRow("%s copy", kind.constData()) << entry << QString();
        for (const QString& key : entry.keys()) {
            if (key != QLatin1String("kind"))
                QTest::addRow("%s %s", kind.constData(), qPrintable(key)) << entry << key;
        }
    }
}

void tst_ObjectComparison::everyValueCounts()
{
    QFETCH(QJsonObject, original);
    QFETCH(QString, key);
    QJsonObject changed = original;
    const QJsonValue value = original.value(key);
    if (key == "alpha" || key.endsWith("Scale")) // 0 to 1; never 0
        changed.insert(key, 0.5);
    else if (value.isDouble()) // one step that stays within every field's range
        changed.insert(key, value.toInt() == 0 ? 1 : value.toInt() - 1);
    else if (key == "easing")
        changed.insert(key, "outQuad");
    else if (value.isString())
        changed.insert(key, value.toString() + QLatin1Char('x'));
    else if (value.isArray())
        changed.insert(key, QJsonArray(value.toArray()) << QJsonArray{"extra", "1"});
    else if (value.isNull()) // no body: a body
        changed.insert(key, BodyJson::write({PhysicsBody::Static}));
    const WorkspaceReader::Result read =
        WorkspaceReader::readObjects(QJsonArray{original, changed}, WorkspaceWriter::version);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(ObjectComparison::same(*read.objects[0], *read.objects[1]), key.isEmpty());
    QCOMPARE(ObjectComparison::same(*read.objects[1], *read.objects[0]), key.isEmpty());
}

QTEST_MAIN(tst_ObjectComparison)
#include "tst_ObjectComparison.moc"
