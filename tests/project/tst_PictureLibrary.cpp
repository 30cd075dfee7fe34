#include "Golden.h"
#include "PictureLibrary.h"
#include "SuffixChooser.h"

#include "TestPictures.h"

// Finding, choosing, decoding and checking a game's pictures on real files in a temporary folder.
class tst_PictureLibrary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void suffix_data();
    void suffix();
    void resolve_data();
    void resolve();
    void decodedOnceScaledAndEvicted();
    void followsTheDisk();
};

void tst_PictureLibrary::suffix_data()
{
    QTest::addColumn<double>("contentScale");
    QTest::addColumn<bool>("fourOnDisk");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : Golden::rows("project/golden/Suffixes.txt"))
        QTest::newRow(qPrintable(row[0])) << row[1].toDouble() << (row[2] == "1") << row[3];
}

void tst_PictureLibrary::suffix()
{
    QFETCH(double, contentScale);
    QFETCH(bool, fourOnDisk);
    ProjectContext project;
    project.scaling = true;
    project.contentScale = contentScale;
    project.imageSuffixes = {{QStringLiteral("@4x"), 3}, {QStringLiteral("@2x"), 1.5}}; // in no order
    const SuffixChooser::Choice choice =
        SuffixChooser::choose(project, QStringLiteral("bg.png"),
                              [&](const QString& name) { return fourOnDisk || name != "bg@4x.png"; });
    QTEST(choice.filename, "expected");
}

void tst_PictureLibrary::resolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("imageRect");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("problems");
    for (const QStringList& row : Golden::rows("project/golden/PictureResolve.txt"))
        QTest::newRow(qPrintable(row[0])) << row[1] << (row[2] == "1") << row[3] << row.mid(4).join(" | ");
}

void tst_PictureLibrary::resolve()
{
    QFETCH(QString, name);
    QFETCH(bool, imageRect);
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    savePicture(game + QStringLiteral("/images/hero.png"));
    savePicture(game + QStringLiteral("/hero.gif"));
    savePicture(dir.filePath(QStringLiteral("outside.png")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.png")), game + QStringLiteral("/link.png")));
    savePicture(dir.filePath(QStringLiteral("game2/hero.png")));
    QVERIFY(
        QFile::link(dir.filePath(QStringLiteral("game2/hero.png")), game + QStringLiteral("/sibling.png")));
    savePicture(game + QStringLiteral("/photo.jpeg"));
    savePicture(game + QStringLiteral("/broken.png"), QSize(64, 64));
    QFile broken(game + QStringLiteral("/broken.png"));
    QVERIFY(broken.resize(broken.size() / 2)); // cut off halfway, as by a failed copy
    PictureLibrary library;
    library.setProject(gameAt(game));
    library.resolve(name, !imageRect); // the other kind of call keeps its own answer
    QTEST(library.resolve(name, imageRect).lookup.relative, "found");
    const auto texts = [&] {
        QStringList list;
        for (const PictureChecks::Problem& problem : library.resolve(name, imageRect).problems)
            list << (problem.error ? QStringLiteral("E ") : QStringLiteral("W ")) + problem.text;
        return list.join(QStringLiteral(" | "));
    };
    library.cache().waitForDone();
    QFETCH(QString, problems);
    QTRY_COMPARE(texts(), problems);
}

void tst_PictureLibrary::decodedOnceScaledAndEvicted()
{
    QTemporaryDir dir;
    const QString wide = dir.filePath("wide.png"), a = dir.filePath("a.png"), b = dir.filePath("b.png");
    for (const QString& path : {wide, a, b})
        savePicture(path, path == wide ? QSize(3000, 10) : QSize(100, 100));
    PictureCache cache;
    QSignalSpy loaded(&cache, &PictureCache::loaded);
    cache.request(wide);
    cache.request(wide);
    cache.waitForDone();
    QCOMPARE(loaded.count(), 1);
    // Placed by its own size, kept no larger than the stage shows.
    QCOMPARE(cache.size(wide), QSize(3000, 10));
    QCOMPARE(cache.pixmap(wide)->width(), PictureCache::largestSide);

    cache.setBudget(cache.bytes() + 1);
    cache.beginFrame();
    cache.request(a);
    cache.waitForDone();
    QCOMPARE(cache.state(wide), PictureCache::State::Unknown); // not drawn since: out first
    QCOMPARE(cache.pixmap(a, QSizeF(40, 40))->width(), 50);    // the half that covers 40 pixels
    cache.request(b);
    cache.waitForDone();
    QCOMPARE(cache.state(a), PictureCache::State::Ready); // drawn in this frame: stays
}

void tst_PictureLibrary::followsTheDisk()
{
    QTemporaryDir dir;
    const QString hero = dir.filePath(QStringLiteral("hero.png"));
    savePicture(hero, QSize(10, 10));
    PictureLibrary library;
    library.setProject(gameAt(dir.path()));
    QTRY_COMPARE((library.resolve(QStringLiteral("hero.png"), false), library.cache().size(hero)),
                 QSize(10, 10));

    savePicture(hero, QSize(30, 20)); // saved again
    QTRY_COMPARE_WITH_TIMEOUT(
        (library.resolve(QStringLiteral("hero.png"), false), library.cache().size(hero)), QSize(30, 20),
        1000);
    QVERIFY(QFile::rename(hero, dir.filePath(QStringLiteral("Hero.png"))));
    QTRY_COMPARE_WITH_TIMEOUT(library.resolve(QStringLiteral("hero.png"), false).lookup.status,
                              PictureLocator::Status::CaseOnly, 1000);
}

QTEST_MAIN(tst_PictureLibrary)
#include "tst_PictureLibrary.moc"
