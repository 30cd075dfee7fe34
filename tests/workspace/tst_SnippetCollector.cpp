#include "clsAlert.h"
#include "clsDisplay.h"
#include "SnippetCollector.h"

#include <QtTest>

class tst_SnippetCollector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void joinsInOrderAndSkipsFailures();
    void confirmation_data();
    void confirmation();
};

void tst_SnippetCollector::joinsInOrderAndSkipsFailures()
{
    clsAlert first;
    clsDisplay broken; // an Image without a reference point has no snippet
    broken.setReference(-1);
    clsDisplay last;
    last.setDObjType(clsDisplay::Rect);
    last.setVarName(QStringLiteral("box"));

    const auto result = SnippetCollector::collect({&first, &broken, &last});
    QCOMPARE(result.copied, 2);
    QCOMPARE(result.skipped, 1);
    QCOMPARE(result.text, first.codeSnippet().value() + QStringLiteral("\r\n") + last.codeSnippet().value());
    QCOMPARE(SnippetCollector::collect({}).text, QString());
}

void tst_SnippetCollector::confirmation_data()
{
    QTest::addColumn<int>("copied");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1 << 0 << "Copied 1 snippet";
    QTest::newRow("some skipped") << 3 << 2
                                  << "Copied 3 snippets; 2 objects have no snippet and were skipped";
    QTest::newRow("only one, skipped") << 0 << 1 << "No snippet to copy; 1 object has no snippet and was skipped";
    QTest::newRow("none") << 0 << 0 << "No snippet to copy";
}

void tst_SnippetCollector::confirmation()
{
    QFETCH(int, copied);
    QFETCH(int, skipped);
    QFETCH(QString, text);
    SnippetCollector::Result result;
    result.copied = copied;
    result.skipped = skipped;
    QCOMPARE(SnippetCollector::confirmation(result), text);
}

QTEST_APPLESS_MAIN(tst_SnippetCollector)
#include "tst_SnippetCollector.moc"
