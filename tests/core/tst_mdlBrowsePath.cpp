#include "mdlBrowsePath.h"

#include <QtTest>

class tst_mdlBrowsePath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileNameFromPath_data();
    void fileNameFromPath();
    void quoteText_data();
    void quoteText();
};

static void row(const char* path, const char* expected)
{
    QTest::newRow(path) << QString(path) << QString(expected);
}

void tst_mdlBrowsePath::fileNameFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    row("C:\\art/sprites/hero.png", "hero.png");
    row("C:\\art\\sprites\\hero.png", "hero.png");
    row("/home/me\\  my hero.png ", "my hero.png");
    row("  hero.png ", "hero.png");
    row("C:\\art/", "");
}

void tst_mdlBrowsePath::fileNameFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(mdlBrowsePath::FileNameFromPath(path), expected);
}

// Backslashes are written as typed unless they would leave a quote unescaped.
void tst_mdlBrowsePath::quoteText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "Hi"
                           << "\"Hi\"";
    QTest::newRow("quotes") << "Say \"Hi\""
                            << "\"Say \\\"Hi\\\"\"";
    QTest::newRow("already escaped") << "a\\\"b"
                                     << "\"a\\\"b\"";
    QTest::newRow("escaped backslash, then quote") << "a\\\\\"b"
                                                   << "\"a\\\\\\\"b\"";
    QTest::newRow("odd backslash at the end") << "dir\\"
                                              << "\"dir\\\\\"";
    QTest::newRow("even backslashes at the end") << "dir\\\\"
                                                 << "\"dir\\\\\"";
    QTest::newRow("Lua escapes kept") << "a\\nb\\t"
                                      << "\"a\\nb\\t\"";
}

void tst_mdlBrowsePath::quoteText()
{
    QFETCH(QString, text);
    QTEST(mdlBrowsePath::QuoteText(text), "quoted");
}

QTEST_APPLESS_MAIN(tst_mdlBrowsePath)
#include "tst_mdlBrowsePath.moc"
