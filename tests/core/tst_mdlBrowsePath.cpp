#include "mdlBrowsePath.h"

#include <QtTest>

class tst_mdlBrowsePath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void quoteText_data();
    void quoteText();
    void fileNameFromPath_data();
    void fileNameFromPath();
};

void tst_mdlBrowsePath::quoteText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "\"\"";
    QTest::newRow("plain") << "hero.png"
                           << "\"hero.png\"";
    // Users type Lua escapes on purpose, so nothing inside is escaped.
    QTest::newRow("quote and backslash kept") << "say \"hi\"\\n"
                                              << "\"say \"hi\"\\n\"";
}

void tst_mdlBrowsePath::quoteText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(mdlBrowsePath::QuoteText(text), expected);
}

void tst_mdlBrowsePath::fileNameFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes") << "C:\\Users\\me\\art\\hero.png"
                                 << "hero.png";
    QTest::newRow("slashes") << "/home/me/art/hero.png"
                             << "hero.png";
    QTest::newRow("mixed, slash last") << "C:\\art/sprites/hero.png"
                                       << "hero.png";
    QTest::newRow("mixed, backslash last") << "/home/me\\hero.png"
                                           << "hero.png";
    QTest::newRow("bare name trimmed") << "  hero.png "
                                       << "hero.png";
    QTest::newRow("trailing backslash") << "C:\\art\\"
                                        << "";
    QTest::newRow("trailing slash") << "/home/me/"
                                    << "";
    QTest::newRow("blanks around last element") << "C:\\art\\  my hero.png  "
                                                << "my hero.png";
    QTest::newRow("blank folder kept out") << "/a b/ c "
                                           << "c";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_mdlBrowsePath::fileNameFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(mdlBrowsePath::FileNameFromPath(path), expected);
}

QTEST_APPLESS_MAIN(tst_mdlBrowsePath)
#include "tst_mdlBrowsePath.moc"
