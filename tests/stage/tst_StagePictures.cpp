#include "clsDisplay.h"
#include "Golden.h"
#include "PictureLibrary.h"
#include "StageView.h"
#include "TestPictures.h"

#include <QPainter>

// The game's pictures on the stage, rendered at one content unit per pixel.
class tst_StagePictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawn_data();
    void drawn();
};

void tst_StagePictures::drawn_data()
{
    QTest::addColumn<bool>("tied");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QColor>("edge"); // halfway down the left edge
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QSize>("device");
    const QStringList calls{"newImage", "newImageRect"};
    const QStringList references = QString("TopLeft TopCenter TopRight CenterLeft Center CenterRight "
                                           "BottomLeft BottomCenter BottomRight")
                                       .split(' ');
    for (const QStringList& row : Golden::rows("stage/golden/StagePictures.txt")) {
        const QStringList b = row[5].split(' ');
        QTest::newRow(qPrintable(row[0]))
            << (row[1] == "1") << int(calls.indexOf(row[2])) << row[4] << int(references.indexOf(row[3]))
            << QRectF(b[0].toDouble(), b[1].toDouble(), b[2].toDouble(), b[3].toDouble()) << QColor(row[6])
            << row[7]
            << (row.size() > 8 ? QSize(row[8].section(' ', 0, 0).toInt(), row[8].section(' ', 1).toInt())
                               : QSize(640, 1136));
    }
}

void tst_StagePictures::drawn()
{
    QFETCH(bool, tied);
    QFETCH(int, kind);
    QFETCH(QString, file);
    QFETCH(int, reference);
    QFETCH(QRectF, bounds);
    QFETCH(QSize, device);
    QTemporaryDir dir;
    savePicture(dir.filePath(QStringLiteral("logo.png")), QSize(40, 20), Qt::blue);
    savePicture(dir.filePath(QStringLiteral("wide.png")), QSize(3000, 600), Qt::blue);
    savePicture(dir.filePath(QStringLiteral("bg.png")), QSize(20, 20), Qt::red);
    savePicture(dir.filePath(QStringLiteral("bg@2x.png")), QSize(40, 40), Qt::green);
    PictureLibrary library;
    ProjectContext project = gameAt(tied ? dir.path() : QString());
    project.scaling = true;
    project.contentScale = 2.34;
    project.devicePixels = device;
    project.imageSuffixes = {{QStringLiteral("@2x"), 2}};
    library.setProject(project);
    clsDisplay object;
    object.setDObjType(qint16(kind));
    object.setFilename(file);
    object.setReference(reference);
    object.setX(100);
    object.setY(100);
    object.setSWidth(100);
    object.setSHeight(100);
    StageView view; // follows the decoding of its pictures
    view.setPictures(&library);
    view.setObjects({&object});
    const StagePainter& stage = view.stagePainter();
    QTRY_COMPARE(stage.itemAt(1)->bounds, bounds);
    library.cache().waitForDone();
    QTEST(stage.itemAt(1)->toolTip, "toolTip");
    QImage canvas(700, 500, QImage::Format_RGB32);
    QPainter painter(&canvas);
    stage.paint(painter, QRectF(0, 0, 700, 500));
    painter.end();
    QTEST(canvas.pixelColor(int(bounds.left()), int(bounds.center().y()) + 1), "edge");
}

QTEST_MAIN(tst_StagePictures)
#include "tst_StagePictures.moc"
