#include "ApiDocs.h"
#include "Golden.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

// The documentation pages behind the words of the generated Lua.
class tst_ApiDocs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageAtCursor_data();
    void pageAtCursor();
    void everyApiWordOfTheExamplesHasAPage();
};

void tst_ApiDocs::pageAtCursor_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("url");
    for (const QStringList& row : Golden::rows("workspace/golden/ApiDocs.txt"))
        QTest::newRow(qPrintable(row.value(0) + " @" + row.value(1)))
            << row.value(0) << row.value(1).trimmed().toInt() << row.value(2);
}

void tst_ApiDocs::pageAtCursor()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, url);
    QCOMPARE(ApiDocs::pageFor(ApiDocs::wordAt(line, column)).toString(), url);
}

// Library calls, methods, fields set and event fields, as the generators write them; a
// method a snippet defines itself ("function ball:onStart") is no API word.
void tst_ApiDocs::everyApiWordOfTheExamplesHasAPage()
{
    const QRegularExpression words(QStringLiteral(
        "\\b(?:display|native|transition|easing|physics|composer|graphics|system|event)\\.\\w+|"
        "\\b\\w+:\\w+\\s*\\(|\\b\\w+\\.\\w+\\s*=[^=]|\\bprint\\b"));
    QSet<QString> seen;
    QDirIterator golden(QStringLiteral(QUILLET_TEST_GOLDEN_DIR), {QStringLiteral("*.lua")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (golden.hasNext()) {
        QFile file(golden.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : words.globalMatch(text)) {
            if (text.left(match.capturedStart())
                    .section(QLatin1Char('\n'), -1)
                    .trimmed()
                    .endsWith("function"))
                continue;
            const QString word =
                match.captured().section(QLatin1Char('('), 0, 0).section(QLatin1Char('='), 0, 0);
            // The scene file's own table of objects is no API.
            if (!word.startsWith(QLatin1String("objects.")))
                seen.insert(word.trimmed());
        }
    }
    QVERIFY(seen.size() > 30);
    for (const QString& word : seen)
        QVERIFY2(ApiDocs::hasPage(word), qPrintable(word));
}

QTEST_APPLESS_MAIN(tst_ApiDocs)
#include "tst_ApiDocs.moc"
