#include "PictureCache.h"
#include "PictureLibrary.h"
#include "SuffixChooser.h"

#include <QImage>
#include <QtTest>

// Finding, choosing, decoding and checking a game's pictures on real files in a temporary folder.
class tst_PictureLibrary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void locate_data();
    void locate();
    void suffix_data();
    void suffix();
    void checks_data();
    void checks();
    void decodedOnceScaledAndEvicted();
    void followsTheDisk();
};

namespace {

void picture(const QString& path, QSize size = QSize(8, 8), const QColor& colour = Qt::red)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

} // namespace

void tst_PictureLibrary::locate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("relative");
    const int found = int(PictureLocator::Status::Found);
    const int caseOnly = int(PictureLocator::Status::CaseOnly);
    const int missing = int(PictureLocator::Status::Missing);
    QTest::newRow("plain") << "hero.png" << found << "hero.png";
    QTest::newRow("leading ./") << "./images/logo.png" << found << "images/logo.png";
    QTest::newRow("backslash read as the desktop does") << "images\\logo.png" << found << "images/logo.png";
    QTest::newRow("case of the file") << "Hero.png" << caseOnly << "hero.png";
    QTest::newRow("case of the folder") << "Images/logo.png" << caseOnly << "images/logo.png";
    QTest::newRow("misspelt") << "heros.png" << missing << "";
    QTest::newRow("a folder") << "images" << missing << "";
    QTest::newRow("up and out") << "../outside.png" << missing << "";
    QTest::newRow("up and back in") << "images/../hero.png" << missing << "";
    QTest::newRow("link leading out") << "link.png" << missing << "";
}

void tst_PictureLibrary::locate()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    picture(game + QStringLiteral("/hero.png"));
    picture(game + QStringLiteral("/images/logo.png"));
    picture(dir.filePath(QStringLiteral("outside.png")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.png")), game + QStringLiteral("/link.png")));
    PictureLocator locator;
    locator.setFolder(game);
    const PictureLocator::Lookup lookup = locator.find(name);
    QTEST(int(lookup.status), "status");
    QTEST(lookup.relative, "relative");
}

void tst_PictureLibrary::suffix_data()
{
    QTest::addColumn<bool>("scaling");
    QTest::addColumn<double>("contentScale");
    QTest::addColumn<QString>("expected");
    // iPhone 8 on a 320 x 480 letterbox: 2.34; Classic on 640 x 960: 0.5.
    QTest::newRow("above @2x, below @4x") << true << 2.34 << "bg@2x.png";
    QTest::newRow("at @4x, its file missing") << true << 4.0 << "bg@2x.png";
    QTest::newRow("below every suffix") << true << 0.5 << "bg.png";
    QTest::newRow("no scale mode") << false << 2.34 << "bg.png";
}

void tst_PictureLibrary::suffix()
{
    QFETCH(bool, scaling);
    QFETCH(double, contentScale);
    ProjectContext project;
    project.scaling = scaling;
    project.contentScale = contentScale;
    // As config.lua lists them, in no particular order.
    project.imageSuffixes = {
        {QStringLiteral("@4x"), 4}, {QStringLiteral("@2x"), 1.5}, {QStringLiteral("@3x"), 3}};
    const QStringList files{QStringLiteral("bg.png"), QStringLiteral("bg@2x.png"),
                            QStringLiteral("bg@3x.png")};
    const SuffixChooser::Choice choice =
        SuffixChooser::choose(project, QStringLiteral("bg.png"), [&](const QString& name) {
            return files.contains(name) && name != "bg@3x.png";
        });
    QTEST(choice.filename, "expected");
}

void tst_PictureLibrary::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("imageRect");
    QTest::addColumn<QStringList>("expected"); // "E " errors, "W " warnings
    QTest::newRow("fine") << "images/hero.png" << false << QStringList();
    QTest::newRow("missing image") << "hero.png" << false
                                   << QStringList{
                                          "E hero.png is not in the project folder: display.newImage returns "
                                          "nil there, and the next line fails"};
    QTest::newRow("missing image rect")
        << "hero.png" << true
        << QStringList{"E hero.png is not in the project folder: display.newImageRect "
                       "returns nil there, and the next line fails"};
    QTest::newRow("case")
        << "images/Hero.png" << false
        << QStringList{"W On disk the file is named images/hero.png: phones tell case apart, so the "
                       "game finds no picture there"};
    QTest::newRow("backslash")
        << "images\\hero.png" << false
        << QStringList{"W A backslash in a file name: write images/hero.png; phones read \\ as "
                       "part of the name"};
    QTest::newRow("gif") << "hero.gif" << false
                         << QStringList{"W hero.gif: Solar2D loads PNG and JPG files only"};
    QTest::newRow("broken png") << "broken.png" << true
                                << QStringList{
                                       "E broken.png is not a picture Solar2D can read: "
                                       "display.newImageRect returns nil there, and the next line fails"};
}

void tst_PictureLibrary::checks()
{
    QFETCH(QString, name);
    QFETCH(bool, imageRect);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    picture(dir.filePath(QStringLiteral("images/hero.png")));
    picture(dir.filePath(QStringLiteral("hero.gif")));
    // Cut off halfway, as by a failed copy.
    picture(dir.filePath(QStringLiteral("broken.png")), QSize(64, 64));
    QFile broken(dir.filePath(QStringLiteral("broken.png")));
    QVERIFY(broken.resize(broken.size() / 2));
    PictureLibrary library;
    ProjectContext project;
    project.folder = dir.path();
    library.setProject(project);
    const auto texts = [&] {
        QStringList list;
        for (const PictureChecks::Problem& problem : library.resolve(name, imageRect).problems)
            list << (problem.error ? QStringLiteral("E ") : QStringLiteral("W ")) + problem.text;
        return list;
    };
    library.cache().waitForDone();
    QTRY_COMPARE(texts(), expected);
}

void tst_PictureLibrary::decodedOnceScaledAndEvicted()
{
    QTemporaryDir dir;
    const QString wide = dir.filePath(QStringLiteral("wide.png"));
    const QString a = dir.filePath(QStringLiteral("a.png"));
    const QString b = dir.filePath(QStringLiteral("b.png"));
    picture(wide, QSize(3000, 10));
    picture(a, QSize(100, 100));
    picture(b, QSize(100, 100));
    PictureCache cache;
    QSignalSpy loaded(&cache, &PictureCache::loaded);
    cache.request(wide);
    cache.request(wide);
    cache.waitForDone();
    QCOMPARE(loaded.count(), 1);
    // Placed by its own size, kept no larger than the stage shows.
    QCOMPARE(cache.size(wide), QSize(3000, 10));
    QCOMPARE(cache.pixmap(wide)->width(), PictureCache::largestSide);

    cache.setBudget(cache.bytes() + 100 * 100 * 4);
    cache.beginFrame();
    cache.request(a);
    cache.waitForDone();
    QVERIFY(cache.pixmap(a)); // drawn in this frame: stays however full the cache is
    cache.request(b);
    cache.waitForDone();
    QCOMPARE(cache.state(wide), PictureCache::State::Unknown);
    QCOMPARE(cache.state(a), PictureCache::State::Ready);
    QVERIFY(cache.bytes() <= 2 * 100 * 100 * 4);
}

void tst_PictureLibrary::followsTheDisk()
{
    QTemporaryDir dir;
    const QString hero = dir.filePath(QStringLiteral("hero.png"));
    picture(hero, QSize(10, 10));
    PictureLibrary library;
    ProjectContext project;
    project.folder = dir.path();
    library.setProject(project);
    QCOMPARE(library.resolve(QStringLiteral("hero.png"), false).lookup.status, PictureLocator::Status::Found);
    QTRY_COMPARE(library.cache().size(hero), QSize(10, 10));

    picture(hero, QSize(30, 20)); // saved again
    QTRY_COMPARE_WITH_TIMEOUT(
        (library.resolve(QStringLiteral("hero.png"), false), library.cache().size(hero)), QSize(30, 20),
        1000);
    QVERIFY(QFile::rename(hero, dir.filePath(QStringLiteral("Hero.png"))));
    QTRY_COMPARE_WITH_TIMEOUT(library.resolve(QStringLiteral("hero.png"), false).lookup.status,
                              PictureLocator::Status::CaseOnly, 1000);
}

QTEST_MAIN(tst_PictureLibrary)
#include "tst_PictureLibrary.moc"
