#include "ExpectedText.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "ModelObject.h"
#include "WorkspaceReader.h"

#include <QtTest>

// Each target writer's cases, byte for byte: object N of golden/examples.quillet gives
// golden/graphics<key>/NN-<what it shows>.lua. Every target of the table has its folder.
class tst_TargetWriters : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void texts_data();
    void texts();

private:
    WorkspaceReader::Result m_examples =
        WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/examples.quillet"));
};

void tst_TargetWriters::texts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    if (!m_examples.ok() || m_examples.objects.empty())
        QTest::newRow("examples.quillet") << 0 << -1 << m_examples.problem;
    for (const LuaTarget* target : LuaTargets::all()) {
        const QString folder = QStringLiteral("graphics%1").arg(target->key());
        const QDir golden(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/") + folder);
        for (int i = 0; i < int(m_examples.objects.size()); ++i) {
            const QStringList names =
                golden.entryList({QStringLiteral("%1-*.lua").arg(i + 1, 2, 10, QLatin1Char('0'))});
            // One golden file for each object and target, or a row that fails.
            const QString name = folder + QLatin1Char('/') +
                                 (names.size() == 1 ? names.first() : QStringLiteral("%1").arg(i + 1));
            QTest::newRow(qPrintable(name)) << target->key() << (names.size() == 1 ? i : -1) << name;
        }
    }
}

void tst_TargetWriters::texts()
{
    QFETCH(int, key);
    QFETCH(int, index);
    QFETCH(QString, name);
    QVERIFY2(index >= 0, qPrintable(name));
    const ModelObject& object = *m_examples.objects.at(size_t(index));
    const std::optional<QString> text = LuaTargets::findKey(key)->write(object);
    QCOMPARE(text.value_or(QString()), ExpectedText::golden(name));
    // The model's own call reaches the same writer.
    QCOMPARE(object.codeSnippet(GraphicsApi(key)), text);
}

QTEST_APPLESS_MAIN(tst_TargetWriters)
#include "tst_TargetWriters.moc"
