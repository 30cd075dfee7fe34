#include "ExpectedText.h"
#include "ModelObject.h"
#include "WorkspaceReader.h"

#include <QtTest>

#include <memory>

// Whole snippets of typical objects, byte for byte: object N of golden/examples.quillet gives
// golden/NN-<what it shows>-1.lua under Graphics 1.0 and ...-2.lua under Graphics 2.0.
class tst_WorkedExamples : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void texts_data();
    void texts();

private:
    WorkspaceReader::Result m_examples =
        WorkspaceReader::readFile(QStringLiteral(QUILLET_TEST_GOLDEN_DIR "/examples.quillet"));
};

void tst_WorkedExamples::texts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    if (!m_examples.ok() || m_examples.objects.empty())
        QTest::newRow("examples.quillet") << -1 << m_examples.problem;
    const QDir golden(QStringLiteral(QUILLET_TEST_GOLDEN_DIR));
    for (int i = 0; i < int(m_examples.objects.size()); ++i) {
        for (const char* api : {"1", "2"}) {
            const QStringList names = golden.entryList(
                {QStringLiteral("%1-*-%2.lua").arg(i + 1, 2, 10, QLatin1Char('0')).arg(QLatin1String(api))});
            // One golden file for each object and target, or a row that fails.
            const QString name =
                names.size() == 1 ? names.first() : QStringLiteral("%1 (%2)").arg(i + 1).arg(api);
            QTest::newRow(qPrintable(name)) << (names.size() == 1 ? i : -1) << name;
        }
    }
}

void tst_WorkedExamples::texts()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QVERIFY2(index >= 0, qPrintable(name));
    const GraphicsApi api = name.endsWith(QLatin1String("-1.lua")) ? GraphicsApi::V1 : GraphicsApi::V2;
    QCOMPARE(m_examples.objects.at(size_t(index))->codeSnippet(api).value_or(QString()),
             ExpectedText::golden(name));
}

QTEST_APPLESS_MAIN(tst_WorkedExamples)
#include "tst_WorkedExamples.moc"
