#include "clsDisplay.h"
#include "PictureLibrary.h"
#include "StagePainter.h"

#include <QPainter>
#include <QtTest>

// The game's pictures on the stage, rendered at one content unit per pixel.
class tst_StagePictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void imagePlaced_data();
    void imagePlaced();
    void drawn_data();
    void drawn();
};

namespace {

void picture(const QString& path, QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

clsDisplay image(qint16 kind, const QString& file, qint32 reference, QRect geometry)
{
    clsDisplay object;
    object.setVarName(QStringLiteral("hero"));
    object.setDObjType(kind);
    object.setFilename(file);
    object.setReference(reference);
    object.setX(geometry.x());
    object.setY(geometry.y());
    object.setSWidth(geometry.width());
    object.setSHeight(geometry.height());
    return object;
}

// The painter after every picture it asked for is decoded.
void settle(StagePainter& stage, PictureLibrary& library, const clsDisplay& object)
{
    stage.setPictures(&library);
    stage.setObjects({&object});
    library.cache().waitForDone();
    stage.refreshPictures();
}

} // namespace

void tst_StagePictures::imagePlaced_data()
{
    QTest::addColumn<int>("reference");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QRectF>("bounds");
    QTest::newRow("top left") << int(clsDisplay::TopLeft) << QSize(40, 20) << QRectF(100, 100, 40, 20);
    QTest::newRow("centre") << int(clsDisplay::Center) << QSize(40, 20) << QRectF(80, 90, 40, 20);
    QTest::newRow("bottom right") << int(clsDisplay::BottomRight) << QSize(40, 20) << QRectF(60, 80, 40, 20);
    // Wider than the 320 x 480 screen rounded up to 512 x 512: newImage scales it down to fit.
    QTest::newRow("larger than the screen")
        << int(clsDisplay::TopLeft) << QSize(600, 300) << QRectF(100, 100, 512, 256);
}

void tst_StagePictures::imagePlaced()
{
    QFETCH(int, reference);
    QFETCH(QSize, pixels);
    QTemporaryDir dir;
    picture(dir.filePath(QStringLiteral("logo.png")), pixels, Qt::blue);
    PictureLibrary library;
    ProjectContext project;
    project.folder = dir.path();
    library.setProject(project);
    StagePainter stage;
    const clsDisplay logo =
        image(clsDisplay::Image, QStringLiteral("logo.png"), reference, QRect(100, 100, 0, 0));
    settle(stage, library, logo);
    QTEST(stage.itemAt(1)->bounds, "bounds");
}

void tst_StagePictures::drawn_data()
{
    QTest::addColumn<bool>("tied");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("inside");
    QTest::addColumn<QColor>("edge");
    QTest::addColumn<QString>("toolTip");
    const QColor placeholder = StagePainter::placeholderColour;
    QTest::newRow("suffixed file") << true << "bg.png" << QColor(Qt::green) << QColor(Qt::green)
                                   << "bg@2x.png, for the content scale 2.34";
    QTest::newRow("missing") << true << "gone.png" << placeholder << QColor(235, 40, 40)
                             << "gone.png is not in the project folder";
    QTest::newRow("no project folder") << false << "bg.png" << placeholder << QColor(170, 180, 200) << "";
}

void tst_StagePictures::drawn()
{
    QFETCH(bool, tied);
    QFETCH(QString, file);
    QTemporaryDir dir;
    picture(dir.filePath(QStringLiteral("bg.png")), QSize(20, 20), Qt::red);
    picture(dir.filePath(QStringLiteral("bg@2x.png")), QSize(40, 40), Qt::green);
    PictureLibrary library;
    ProjectContext project;
    project.folder = tied ? dir.path() : QString();
    project.scaling = true;
    project.contentScale = 2.34;
    project.imageSuffixes = {{QStringLiteral("@2x"), 2}};
    library.setProject(project);
    StagePainter stage;
    const clsDisplay bg = image(clsDisplay::ImageRect, file, clsDisplay::TopLeft, QRect(10, 10, 100, 100));
    settle(stage, library, bg);

    QImage canvas(200, 200, QImage::Format_RGB32);
    QPainter painter(&canvas);
    stage.paint(painter, QRectF(0, 0, 200, 200));
    painter.end();
    QTEST(canvas.pixelColor(60, 30), "inside");
    QTEST(canvas.pixelColor(10, 37), "edge");
    QTEST(stage.itemAt(1)->toolTip, "toolTip");
}

QTEST_MAIN(tst_StagePictures)
#include "tst_StagePictures.moc"
