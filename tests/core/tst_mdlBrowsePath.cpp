#include "mdlBrowsePath.h"

#include <QtTest>

class tst_mdlBrowsePath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileNameFromPath_data();
    void fileNameFromPath();
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

QTEST_APPLESS_MAIN(tst_mdlBrowsePath)
#include "tst_mdlBrowsePath.moc"
