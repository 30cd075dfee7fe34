#include "SnippetCollector.h"

#include <QtTest>

// What Copy All joins is checked through the window; here the counts' wording.
class tst_SnippetCollector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void confirmation_data();
    void confirmation();
};

void tst_SnippetCollector::confirmation_data()
{
    QTest::addColumn<int>("copied");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1 << 0 << "Copied 1 snippet";
    QTest::newRow("some skipped") << 3 << 2
                                  << "Copied 3 snippets; 2 objects have no snippet and were skipped";
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
