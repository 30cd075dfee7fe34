#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "StageGeometry.h"
#include "StagePainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

// What the stage draws for the selected object besides its outline: a transition's ghost on
// its target, and the alert as the device would show it.
class tst_SelectionPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ghostFindsTarget_data();
    void ghostFindsTarget();
    void alertStrikesButtonsPastFive_data();
    void alertStrikesButtonsPastFive();
};

void tst_SelectionPreview::ghostFindsTarget_data()
{
    QTest::addColumn<QString>("order"); // D the display hero, T the transition of hero
    QTest::addColumn<int>("target");    // the ghost's object, 0 for no ghost
    QTest::newRow("target first") << "DT" << 1;
    QTest::newRow("nearest earlier target") << "DDT" << 2;
    QTest::newRow("target only after") << "TD" << 0;
}

void tst_SelectionPreview::ghostFindsTarget()
{
    QFETCH(QString, order);
    QFETCH(int, target);
    std::vector<std::unique_ptr<ModelObject>> objects;
    QList<const ModelObject*> list;
    for (const QChar kind : order) {
        if (kind == QLatin1Char('D')) {
            auto display = std::make_unique<clsDisplay>();
            display->setDObjType(clsDisplay::Rect);
            objects.push_back(std::move(display));
        } else {
            auto transition = std::make_unique<clsTransition>();
            transition->addProperty(QStringLiteral("200"), QStringLiteral("x"));
            objects.push_back(std::move(transition));
        }
        objects.back()->setVarName(QStringLiteral("hero"));
        list.append(objects.back().get());
    }
    const std::optional<StageGhost> ghost =
        StageGeometry::ghostFor(list, order.indexOf(QLatin1Char('T')) + 1);
    QCOMPARE(ghost ? int(ghost->item.position) : 0, target);
}

void tst_SelectionPreview::alertStrikesButtonsPastFive_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("struck"); // a button is marked as one the device does not show
    QTest::newRow("five") << 5 << false;
    QTest::newRow("six") << 6 << true;
}

void tst_SelectionPreview::alertStrikesButtonsPastFive()
{
    QFETCH(int, buttons);
    clsAlert alert;
    alert.setMessage(QStringLiteral("Leave?"));
    for (int i = 1; i <= buttons; ++i)
        alert.addButton(QStringLiteral("b%1").arg(i), QStringLiteral("B%1").arg(i));
    StagePainter stage;
    stage.setObjects({&alert});
    stage.setSelected(1);
    const QRectF area = stage.screen();
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    stage.paint(painter, area);
    painter.end();
    // The note "not shown" is the only red on the stage.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x) {
            const QColor c = image.pixelColor(x, y);
            red = c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
    QTEST(red, "struck");
}

QTEST_MAIN(tst_SelectionPreview)
#include "tst_SelectionPreview.moc"
