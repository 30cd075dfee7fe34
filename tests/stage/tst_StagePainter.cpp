#include "BodyOutline.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ContentArea.h"
#include "GameConfig.h"
#include "Golden.h"
#include "StageGeometry.h"
#include "StagePainter.h"
#include "StagePane.h"
#include "StageScreen.h"

#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

// Renders at scale 1, content (0, 0) at pixel (0, 0), on the classic 320 x 480 screen.
class tst_StagePainter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pixels_data();
    void pixels();
    void textStartsAtTopLeft();
    void placeholderNamed();
    void outsideDimmedAndCounted_data();
    void outsideDimmedAndCounted();
    void selectionAndGroupMarked();
    void groupsPlaceTheirChildren_data();
    void groupsPlaceTheirChildren();
    void textFont_data();
    void textFont();
    void ghost_data();
    void ghost();
    void lineMovesAsAWhole();
    void itemsFollowChanges();
    void expressionsFollowTheScreen_data();
    void turnedShapesDrawnAndPickedAsTurned();
    void expressionsFollowTheScreen();
    void alertStrikesButtonsPastFive_data();
    void alertStrikesButtonsPastFive();
    void alertShowsEscapes();
    void bodyOutlines_data();
    void bodyOutlines();
    void bodyColoursAndToggle();
};

namespace {

const QSize canvas(400, 520);

std::unique_ptr<clsDisplay> display(qint16 kind, int x, int y, int w, int h, int extra = 0,
                                    qint32 colour = 0xFFFFFF)
{
    auto object = std::make_unique<clsDisplay>();
    object->setVarName(QStringLiteral("hero"));
    object->setDObjType(kind);
    object->setX(x);
    object->setY(y);
    object->setSWidth(w);
    object->setSHeight(h);
    object->setReference(extra);
    object->setSRounding(extra);
    object->setColour(colour);
    return object;
}

QList<const ModelObject*> view(const std::vector<std::unique_ptr<ModelObject>>& objects)
{
    QList<const ModelObject*> list;
    for (const auto& object : objects)
        list.append(object.get());
    return list;
}

QImage render(const std::vector<std::unique_ptr<ModelObject>>& objects, qsizetype selected = 0,
              const ProjectContext& project = ProjectContext())
{
    StagePainter stage;
    stage.setProject(project);
    stage.setObjects(view(objects));
    stage.setSelected(selected);
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    stage.paint(painter, QRectF(QPointF(0, 0), QSizeF(canvas)));
    return image;
}

} // namespace

void tst_StagePainter::pixels_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRect>("geometry"); // x, y, sWidth, sHeight
    QTest::addColumn<int>("extra");
    QTest::addColumn<QPoint>("covered");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("uncovered");
    const auto numbers = [](const QString& cell) {
        QList<int> values;
        for (const QString& value : cell.split(' '))
            values << value.toInt();
        return values;
    };
    const auto nameIndex = [](const QString& name, auto nameOf) {
        for (int i = 0; i < 9; ++i)
            if (nameOf(i) == name)
                return i;
        return name.toInt();
    };
    for (const QStringList& row : Golden::rows("stage/golden/Pixels.txt")) {
        const QList<int> g = numbers(row.value(2)), in = numbers(row.value(4)), out = numbers(row.value(6));
        QTest::newRow(qPrintable(row.value(0)))
            << nameIndex(row.value(1), clsDisplay::displayTypeName)
            << QRect(g.value(0), g.value(1), g.value(2), g.value(3))
            << nameIndex(row.value(3), clsDisplay::referencePointName) << QPoint(in.value(0), in.value(1))
            << (row.value(5) == "red" ? QColor(255, 0, 0) : StagePainter::placeholderColour)
            << QPoint(out.value(0), out.value(1));
    }
}

void tst_StagePainter::pixels()
{
    QFETCH(int, kind);
    QFETCH(QRect, geometry);
    QFETCH(int, extra);
    QFETCH(QPoint, covered);
    QFETCH(QColor, colour);
    QFETCH(QPoint, uncovered);
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(qint16(kind), geometry.x(), geometry.y(), geometry.width(), geometry.height(),
                              extra, 0x0000FF));
    const QImage image = render(objects);
    QCOMPARE(image.pixelColor(covered), colour);
    QCOMPARE(image.pixelColor(uncovered), StagePainter::screenColour);
}

void tst_StagePainter::textStartsAtTopLeft()
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    auto text = display(clsDisplay::Text, 40, 60, 0, 30);
    text->setFilename(QStringLiteral("HIJ"));
    text->setSFontName(QStringLiteral("native.systemFontBold"));
    objects.push_back(std::move(text));
    const QImage image = render(objects);
    QRect ink;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 320; ++x) {
            if (image.pixelColor(x, y) != StagePainter::screenColour)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!ink.isEmpty());
    // The capitals' ink starts just inside the top-left: no more than the font's side bearing
    // and internal leading away, and never before it.
    QVERIFY2(ink.left() >= 40 && ink.left() <= 46, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= 60 && ink.top() <= 72, qPrintable(QString::number(ink.top())));
    QVERIFY(ink.height() >= 15);
}

// At one content unit per pixel the picture's name is written in its placeholder.
void tst_StagePainter::placeholderNamed()
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    auto hero = display(clsDisplay::ImageRect, 100, 100, 120, 60);
    hero->setFilename(QStringLiteral("hero.png"));
    objects.push_back(std::move(hero));
    const QImage image = render(objects);
    int ink = 0;
    for (int y = 110; y < 150; ++y) {
        for (int x = 110; x < 210; ++x)
            ink += image.pixelColor(x, y) != StagePainter::placeholderColour;
    }
    QVERIFY(ink > 20);
}

void tst_StagePainter::outsideDimmedAndCounted_data()
{
    QTest::addColumn<QRect>("screen"); // the device screen in content units
    QTest::addColumn<QList<QRect>>("rects");
    QTest::addColumn<QPoint>("outside"); // wholly outside, reaching past the edge
    QTest::addColumn<QString>("notice");
    const auto rect = [](const QString& cell) {
        const QStringList n = cell.split(' ');
        return QRect(n.value(0).toInt(), n.value(1).toInt(), n.value(2).toInt(), n.value(3).toInt());
    };
    for (const QStringList& row : Golden::rows("stage/golden/Outside.txt")) {
        QList<QRect> rects;
        for (const QString& cell : row.value(2).split("; "))
            rects << rect(cell);
        QTest::newRow(qPrintable(row.value(0)))
            << rect(row.value(1)) << rects
            << QPoint(row.value(3).section(' ', 0, 0).toInt(), row.value(3).section(' ', 1, 1).toInt())
            << row.value(4);
    }
}

void tst_StagePainter::outsideDimmedAndCounted()
{
    QFETCH(QRect, screen);
    QFETCH(QList<QRect>, rects);
    QFETCH(QPoint, outside);
    QFETCH(QString, notice);
    std::vector<std::unique_ptr<ModelObject>> objects;
    for (const QRect& r : rects)
        objects.push_back(display(clsDisplay::Rect, r.x(), r.y(), r.width(), r.height(), 0, 0x0000FF));
    ProjectContext project;
    project.screenInContent = screen;
    StagePainter stage;
    stage.setProject(project);
    stage.setObjects(view(objects));
    QCOMPARE(QPoint(stage.outsideCount(), stage.reachingCount()), outside);
    QCOMPARE(StagePane::outsideNotice(outside.x(), outside.y()), notice);

    // The part beyond the screen stays visible, dimmed; the content area's edge shows where
    // it is not the screen's.
    const QImage image = render(objects, 0, project);
    for (const QRect& r : rects) {
        if (r.intersects(screen))
            QCOMPARE(image.pixelColor(r.intersected(screen).center()), QColor(255, 0, 0));
        const QRect beyond = (QRegion(r) - QRegion(screen)).boundingRect() & QRect(QPoint(0, 0), canvas);
        if (!beyond.isEmpty()) {
            const QColor dimmed = image.pixelColor(beyond.center());
            QVERIFY(dimmed.red() > 60 && dimmed.red() < 220);
            QCOMPARE(dimmed.green(), 0);
        }
    }
    QCOMPARE(image.pixelColor(0, 200) == StagePainter::contentEdgeColour, screen.left() > 0);
}

// The selection gets an outline, an object in a group a flagged corner; both stay at their own x, y.
void tst_StagePainter::selectionAndGroupMarked()
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(clsDisplay::Rect, 50, 50, 40, 40, 0, 0x0000FF));
    objects.push_back(display(clsDisplay::Rect, 150, 50, 40, 40, 0, 0x0000FF));
    static_cast<clsDisplay*>(objects[0].get())->setParGroup(QStringLiteral("menuGroup"));
    const QImage image = render(objects, 2);
    QCOMPARE(image.pixelColor(QPoint(148, 70)), StagePainter::selectionColour);
    QCOMPARE(image.pixelColor(QPoint(48, 70)), StagePainter::screenColour);
    QCOMPARE(image.pixelColor(QPoint(51, 51)), QColor(255, 160, 0));
    QCOMPARE(image.pixelColor(QPoint(151, 51)), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(QPoint(70, 70)), QColor(255, 0, 0));
}

void tst_StagePainter::groupsPlaceTheirChildren_data()
{
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<qreal>("opacity");
    for (const QStringList& row : Golden::rows("stage/golden/Groups.txt")) {
        const QStringList b = row.value(2).split(' ');
        QTest::newRow(qPrintable(row.value(0)))
            << row.value(1).split(QStringLiteral(" ; "))
            << QRectF(b.value(0).toInt(), b.value(1).toInt(), b.value(2).toInt(), b.value(3).toInt())
            << (row.value(3) == QLatin1String("1")) << row.value(4, QStringLiteral("1")).toDouble();
    }
}

void tst_StagePainter::groupsPlaceTheirChildren()
{
    QFETCH(QStringList, objects);
    QFETCH(QRectF, bounds);
    QFETCH(bool, flagged);
    std::vector<std::unique_ptr<ModelObject>> made;
    qsizetype last = 0;
    for (const QString& entry : objects) {
        const QStringList f = entry.split(' ');
        if (f.size() == 1) { // a name alone: the item looked at
            for (qsizetype i = 0; i < qsizetype(made.size()); ++i)
                last = made[size_t(i)]->varName() == f.first() ? i + 1 : last;
            continue;
        }
        auto d = display(qint16(f.value(1).toInt()), f.value(2).toInt(), f.value(3).toInt(), 10, 10);
        d->setVarName(f.first());
        d->setParGroup(f.value(4) == QLatin1String("-") ? QString() : f.value(4));
        if (f.size() > 5)
            d->setProperties({.alpha = f.value(7, QStringLiteral("1")).toDouble(),
                              .rotation = f.value(5).toDouble(),
                              .xScale = f.value(6, QStringLiteral("1")).toDouble(),
                              .yScale = f.value(6, QStringLiteral("1")).toDouble()});
        made.push_back(std::move(d));
        last = qsizetype(made.size());
    }
    StagePainter stage;
    stage.setObjects(view(made));
    QVERIFY(stage.itemAt(last));
    const StageItem& item = *stage.itemAt(last);
    QCOMPARE(item.transform.mapRect(item.bounds), bounds); // where it reaches on the screen
    QCOMPARE(item.grouped, flagged);
    QTEST(item.opacity, "opacity");
}

void tst_StagePainter::textFont_data()
{
    const QString fallback = QGuiApplication::font().family();
    QString installed;
    for (const QString& family : QFontDatabase::families()) {
        if (family != fallback && !QFontDatabase::isPrivateFamily(family)) {
            installed = family;
            break;
        }
    }
    QVERIFY(!installed.isEmpty());
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("installed, quoted") << '"' + installed + '"' << 20 << installed << false << 20;
    QTest::newRow("bold system font")
        << QStringLiteral("native.systemFontBold") << 20 << fallback << true << 20;
    QTest::newRow("huge size drawn at the cap")
        << QStringLiteral("native.systemFont") << std::numeric_limits<int>::max() << fallback << false
        << StageGeometry::maxTextSize;
    QTest::newRow("no size: Corona's default")
        << QStringLiteral("native.systemFont") << 0 << fallback << false << StageGeometry::defaultTextSize;
}

void tst_StagePainter::textFont()
{
    QFETCH(QString, field);
    QFETCH(int, size);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(int, pixelSize);
    const QFont font = StageGeometry::fontFor(field, size);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.pixelSize(), pixelSize);
}

void tst_StagePainter::ghost_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("pairs"); // key, value, key, value...
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QPointF>("target"); // where the ghost's anchor lands
    QTest::addColumn<qreal>("opacity");
    for (const QStringList& row : Golden::rows("stage/golden/Ghost.txt")) {
        const QStringList at = row.value(3).split(' ');
        QTest::newRow(qPrintable(row.value(0)))
            << row.value(1).toInt() << row.value(2).split(' ') << (row.value(3) != "none")
            << (at.size() == 2 ? QPointF(at[0].toDouble(), at[1].toDouble()) : QPointF())
            << row.value(4).toDouble();
    }
}

void tst_StagePainter::ghost()
{
    QFETCH(int, direction);
    QFETCH(QStringList, pairs);
    QFETCH(bool, shown);
    QFETCH(QPointF, target);
    QFETCH(qreal, opacity);
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(clsDisplay::Rect, 0, 0, 10, 10)); // same name, but not the nearest before
    objects.push_back(display(clsDisplay::Rect, 100, 100, 40, 20));
    auto other = display(clsDisplay::Circle, 5, 5, 5, 0);
    other->setVarName(QStringLiteral("other"));
    objects.push_back(std::move(other));
    auto transition = std::make_unique<clsTransition>();
    transition->setVarName(QStringLiteral("hero"));
    transition->setTransitionDirection(qint16(direction));
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        transition->addProperty(pairs.at(i + 1), pairs.at(i));
    objects.push_back(std::move(transition));
    objects.push_back(display(clsDisplay::Rect, 300, 300, 10, 10)); // same name, but later

    const std::optional<StageGhost> ghost = StageGeometry::ghostFor(view(objects), 4);
    QCOMPARE(ghost.has_value(), shown);
    QVERIFY(!StageGeometry::ghostFor(view(objects).mid(2), 2)); // its display only comes later
    if (!shown)
        return;
    QCOMPARE(ghost->item.position, 2);
    QCOMPARE(ghost->transform.map(ghost->item.anchor), target);
    QCOMPARE(ghost->opacity, opacity);
    const QPointF object(120, 110);
    QCOMPARE(ghost->from, direction == 0 ? object : target);
    QCOMPARE(ghost->to, direction == 0 ? target : object);
}

void tst_StagePainter::lineMovesAsAWhole()
{
    const auto line = display(clsDisplay::Line, 10, 20, 110, 70);
    const std::unique_ptr<clsDisplay> moved = StageGeometry::movedTo(*line, 15, 10);
    QCOMPARE(QList<int>({moved->x(), moved->y(), moved->sWidth(), moved->sHeight()}),
             QList<int>({15, 10, 115, 60}));
    const auto rect = display(clsDisplay::Rect, 10, 20, 110, 70);
    const std::unique_ptr<clsDisplay> movedRect = StageGeometry::movedTo(*rect, -3, 0);
    QCOMPARE(QList<int>({movedRect->x(), movedRect->y(), movedRect->sWidth(), movedRect->sHeight()}),
             QList<int>({-3, 0, 110, 70}));
    const auto far = display(clsDisplay::Line, 0, 0, std::numeric_limits<qint32>::max() - 5, 0);
    QCOMPARE(StageGeometry::movedTo(*far, 10, 0)->sWidth(), std::numeric_limits<qint32>::max());
    // An expression keeps its form; the stage asks for x() plus the distance dragged.
    rect->setX(QStringLiteral("display.screenOriginX + 16"));
    QCOMPARE(StageGeometry::movedTo(*rect, 10, 15)->xText(), QStringLiteral("display.screenOriginX + 26"));
}

void tst_StagePainter::itemsFollowChanges()
{
    // Items are kept between changes for objects that look the same; one that changed, even at
    // the same address, is placed anew, and every item follows its object's new position.
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(clsDisplay::Rect, 10, 10, 20, 20));
    objects.push_back(display(clsDisplay::Text, 10, 100, 0, 20));
    StagePainter stage;
    stage.setObjects(view(objects));
    auto* text = static_cast<clsDisplay*>(objects[1].get());
    text->setFilename(QStringLiteral("longer now"));
    text->setX(50);
    std::swap(objects[0], objects[1]);
    stage.setObjects(view(objects));
    QCOMPARE(stage.itemAt(1)->bounds.topLeft(), QPointF(50, 100));
    QVERIFY(stage.itemAt(1)->bounds.width() > 40);
    QCOMPARE(stage.itemAt(1)->label.text(), QStringLiteral("longer now"));
    QCOMPARE(stage.itemAt(2)->bounds, QRectF(10, 10, 20, 20));
    QCOMPARE(stage.objectAt(QPointF(15, 15), 0), 2);
}

// An object placed by the screen's names moves when the screen changes, to where the engine
// puts it with the template's config.lua.
void tst_StagePainter::expressionsFollowTheScreen_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : Golden::rows("stage/golden/ScreenPlaces.txt"))
        QTest::newRow(qPrintable(row.mid(0, 4).join(" | "))) << row;
}

void tst_StagePainter::expressionsFollowTheScreen()
{
    QFETCH(QStringList, row);
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(clsDisplay::Rect, 0, 0, 10, 10));
    auto* rect = static_cast<clsDisplay*>(objects[0].get());
    rect->setX(row.at(2));
    rect->setY(row.at(3));
    StagePainter stage;
    stage.setObjects(view(objects));
    const bool landscape = row.at(1) == "landscape";
    const StageScreen screen(StageScreen::presetIndex(row.at(0)), landscape);
    QCOMPARE(screen.name(), row.at(0));
    stage.setProject(
        ContentArea::contextFor(GameConfig::newProjectTemplate(), screen.device(), landscape, {}));
    const QPointF at = stage.itemAt(1)->bounds.topLeft();
    QCOMPARE(QStringLiteral("%1 %2").arg(at.x()).arg(at.y()), row.at(4));
}

// Turned about x, y at half alpha with a black stroke: a click in the turned rect's bounding box
// but off the rect picks what lies below.
void tst_StagePainter::turnedShapesDrawnAndPickedAsTurned()
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(display(clsDisplay::Rect, 0, 0, 320, 480, 0, 0x0000FF));
    objects.push_back(display(clsDisplay::Rect, 100, 100, 100, 20));
    static_cast<clsDisplay*>(objects[1].get())
        ->setProperties({.alpha = 0.5, .rotation = 45, .strokeWidth = 8});
    StagePainter stage;
    stage.setObjects(view(objects));
    QCOMPARE(stage.objectAt(QPointF(140, 150), 0), 2);
    QCOMPARE(stage.objectAt(QPointF(165, 115), 0), 1);
    const QImage image = render(objects);
    // Blending rounds either way.
    const auto near = [&](int x, int y, QColor c) {
        const QColor seen = image.pixelColor(x, y);
        return qAbs(seen.red() - c.red()) <= 2 && qAbs(seen.green() - c.green()) <= 2 &&
               qAbs(seen.blue() - c.blue()) <= 2;
    };
    QVERIFY(near(140, 150, QColor(255, 128, 128))); // white over red at half alpha
    QVERIFY(near(165, 115, QColor(255, 0, 0)));
    QVERIFY(near(136, 133, QColor(128, 0, 0))); // the stroke, just outside the edge
}

// The selected alert is drawn as the device would show it, buttons it drops struck through.
void tst_StagePainter::alertStrikesButtonsPastFive_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("struck"); // a button is marked as one the device does not show
    QTest::newRow("five") << 5 << false;
    QTest::newRow("six") << 6 << true;
}

void tst_StagePainter::alertStrikesButtonsPastFive()
{
    QFETCH(int, buttons);
    auto alert = std::make_unique<clsAlert>();
    alert->setMessage(QStringLiteral("Leave?"));
    for (int i = 1; i <= buttons; ++i)
        alert->addButton(QStringLiteral("b%1").arg(i), QStringLiteral("B%1").arg(i));
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(std::move(alert));
    const QImage image = render(objects, 1);
    // The note "not shown" is the only red on the stage.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x) {
            const QColor c = image.pixelColor(x, y);
            red = c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
    QTEST(red, "struck");
}

// The mock shows what the device shows of the quoted texts.
void tst_StagePainter::alertShowsEscapes()
{
    QCOMPARE(StageGeometry::shownText(R"(one\ntwo\tthree \"four\" \\five \65\066\'\a\)"),
             QStringLiteral("one\ntwo\tthree \"four\" \\five AB'\\"));
    const auto drawn = [](const QString& message) {
        auto alert = std::make_unique<clsAlert>();
        alert->setMessage(message);
        std::vector<std::unique_ptr<ModelObject>> objects;
        objects.push_back(std::move(alert));
        return render(objects, 1);
    };
    QCOMPARE(drawn(QStringLiteral("Leave\\nnow?")), drawn(QStringLiteral("Leave\nnow?")));
}

void tst_StagePainter::bodyOutlines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("geometry");
    QTest::addColumn<bool>("circle");
    QTest::addColumn<QRectF>("outline");
    const auto numbers = [](const QString& cell) {
        QList<int> values;
        for (const QString& value : cell.split(' '))
            values << value.toInt();
        return values;
    };
    for (const QStringList& row : Golden::rows("stage/golden/Bodies.txt")) {
        const QList<int> o = numbers(row.value(4));
        int kind = 0;
        while (clsDisplay::displayTypeName(kind) != row.value(1) && kind < clsDisplay::kindCount)
            ++kind;
        QTest::newRow(qPrintable(row.value(0)))
            << kind << numbers(row.value(2)) << (row.value(3) == "circle") << QRectF(o[0], o[1], o[2], o[3]);
    }
}

void tst_StagePainter::bodyOutlines()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, geometry);
    QFETCH(bool, circle);
    auto object = display(qint16(kind), geometry[0], geometry[1], geometry[2], geometry[3]);
    object->setBody({PhysicsBody::Dynamic, 1, 0, 0, false, circle ? PhysicsBody::Circle : PhysicsBody::Box});
    StagePainter stage;
    stage.setObjects({object.get()});
    QTEST(BodyOutline::path(stage.items().front()).boundingRect(), "outline");
}

// Each type in its colour: green static, orange (mostly red) dynamic, blue kinematic; none
// once hidden.
void tst_StagePainter::bodyColoursAndToggle()
{
    const QPoint edge(100, 130);
    for (const auto& [type, channel] :
         {std::pair{PhysicsBody::Static, 1}, {PhysicsBody::Dynamic, 0}, {PhysicsBody::Kinematic, 2}}) {
        auto object = display(clsDisplay::Rect, 100, 100, 100, 60, 0, 0x808080);
        object->setBody({type});
        StagePainter stage;
        stage.setObjects({object.get()});
        for (bool shown : {true, false}) {
            stage.setShowBodies(shown);
            QImage image(canvas, QImage::Format_RGB32);
            QPainter painter(&image);
            stage.paint(painter, QRectF(QPointF(0, 0), QSizeF(canvas)));
            const QColor c = image.pixelColor(edge);
            const int rgb[] = {c.red(), c.green(), c.blue()};
            QCOMPARE(shown, rgb[channel] > rgb[(channel + 1) % 3] && rgb[channel] > rgb[(channel + 2) % 3]);
        }
    }
}

QTEST_MAIN(tst_StagePainter)
#include "tst_StagePainter.moc"
