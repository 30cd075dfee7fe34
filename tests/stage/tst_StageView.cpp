#include "clsDisplay.h"
#include "Golden.h"
#include "StageView.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class tst_StageView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void clickSelectsTopmost_data();
    void clickSelectsTopmost();
    void dragRequestsWholeNumberMove_data();
    void dragRequestsWholeNumberMove();
    void arrowsNudge_data();
    void arrowsNudge();
    void selectionKeptWhileItsObjectStays();
    void fitBringsTheScreenBack();

private:
    void mouse(QEvent::Type type, QPointF content); // the left button, at a point of the content
    QPointF pixel(QPointF content) const { return m_view->mapFromContent(content); }

    std::vector<std::unique_ptr<ModelObject>> m_objects;
    StageView* m_view = nullptr;
};

namespace {

std::unique_ptr<clsDisplay> display(qint16 kind, int x, int y, int w, int h)
{
    auto object = std::make_unique<clsDisplay>();
    object->setDObjType(kind);
    object->setX(x);
    object->setY(y);
    object->setSWidth(w);
    object->setSHeight(h);
    return object;
}

QPoint point(const QString& cell)
{
    const QStringList xy = cell.split(' ');
    return QPoint(xy.value(0).toInt(), xy.value(1).toInt());
}

} // namespace

void tst_StageView::init()
{
    m_objects.clear();
    m_objects.push_back(display(clsDisplay::Rect, 20, 20, 100, 100));  // 1
    m_objects.push_back(display(clsDisplay::Circle, 110, 110, 30, 0)); // 2, over the rect's corner
    m_objects.push_back(display(clsDisplay::Line, 20, 300, 220, 300)); // 3
    m_objects.push_back(display(clsDisplay::Group, 200, 380, 0, 0));   // 4, around 5 and 6
    m_objects.push_back(display(clsDisplay::Rect, 10, 10, 20, 20));    // 5
    m_objects.push_back(display(clsDisplay::Rect, 60, 10, 20, 20));    // 6
    m_objects.push_back(display(clsDisplay::Group, 300, 200, 0, 0));   // 7, turned a quarter
    m_objects.push_back(display(clsDisplay::Rect, 0, 0, 20, 20));      // 8, in 7
    m_objects[3]->setVarName(QStringLiteral("g"));
    for (size_t child : {4, 5})
        static_cast<clsDisplay*>(m_objects[child].get())->setParGroup(QStringLiteral("g"));
    m_objects[6]->setVarName(QStringLiteral("t"));
    static_cast<clsDisplay*>(m_objects[6].get())->setProperties({.rotation = 90});
    static_cast<clsDisplay*>(m_objects[7].get())->setParGroup(QStringLiteral("t"));
    QList<const ModelObject*> list;
    for (const auto& object : m_objects)
        list.append(object.get());
    m_view = new StageView;
    m_view->resize(500, 700);
    m_view->setObjects(list);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_view->setZoom(1.5); // a scale that is no whole number, so rounding shows
}

void tst_StageView::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void tst_StageView::mouse(QEvent::Type type, QPointF content)
{
    const QPointF at = pixel(content);
    const bool held = type != QEvent::MouseButtonRelease;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, m_view->viewport()->mapToGlobal(at), button,
                      held ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(m_view->viewport(), &event);
}

void tst_StageView::clickSelectsTopmost_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<qsizetype>("selected"); // 0: no signal
    for (const QStringList& row : Golden::rows("stage/golden/StageClicks.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << QPointF(point(row.value(1))) << qsizetype(row.value(2).toInt());
}

void tst_StageView::clickSelectsTopmost()
{
    QFETCH(QPointF, at);
    QFETCH(qsizetype, selected);
    QSignalSpy clicked(m_view, &StageView::objectClicked);
    QSignalSpy activated(m_view, &StageView::objectActivated);
    mouse(QEvent::MouseButtonPress, at);
    mouse(QEvent::MouseButtonRelease, at);
    QCOMPARE(clicked.count(), selected ? 1 : 0);
    if (selected)
        QCOMPARE(clicked.first().first().value<qsizetype>(), selected);
    QCOMPARE(m_view->selectedPosition(), selected);
    QCOMPARE(activated.count(), 0);
    // A double-click opens what it hits.
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, pixel(at).toPoint());
    QCOMPARE(activated.count(), selected ? 1 : 0);
    if (selected)
        QCOMPARE(activated.first().first().value<qsizetype>(), selected);
}

void tst_StageView::dragRequestsWholeNumberMove_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<qsizetype>("position"); // 0: no move asked
    QTest::addColumn<QPoint>("newXY");
    for (const QStringList& row : Golden::rows("stage/golden/StageDrags.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << QPointF(point(row.value(1))) << QPointF(point(row.value(2))) << qsizetype(row.value(3).toInt())
            << point(row.value(4));
}

void tst_StageView::dragRequestsWholeNumberMove()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(qsizetype, position);
    QFETCH(QPoint, newXY);
    QSignalSpy moved(m_view, &StageView::moveRequested);
    mouse(QEvent::MouseButtonPress, from);
    mouse(QEvent::MouseMove, from + QPointF(25, 25)); // a detour, so that even a drag back home is a drag
    mouse(QEvent::MouseMove, to);
    QCOMPARE(moved.count(), 0); // nothing is stored before the release
    mouse(QEvent::MouseButtonRelease, to);
    QCOMPARE(moved.count(), position ? 1 : 0);
    if (!position)
        return;
    const QList<QVariant> request = moved.first();
    QCOMPARE(request.at(0).value<qsizetype>(), position);
    QCOMPARE(QPoint(request.at(1).toInt(), request.at(2).toInt()), newXY);
}

void tst_StageView::arrowsNudge_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QPoint>("newXY");
    for (const QStringList& row : Golden::rows("stage/golden/Nudges.txt"))
        QTest::newRow(qPrintable(row.value(0)))
            << QKeySequence::fromString(row.value(1)) << point(row.value(2));
}

void tst_StageView::arrowsNudge()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QPoint, newXY);
    QVERIFY(!keys.isEmpty());
    QSignalSpy moved(m_view, &StageView::moveRequested);
    QTest::keySequence(m_view, keys); // nothing selected yet
    QCOMPARE(moved.count(), 0);
    m_view->setSelectedPosition(1);
    QTest::keySequence(m_view, keys);
    QTest::keySequence(m_view, keys);
    // Each press is a request of its own, from the stored position: the owner stores it.
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(0).value<qsizetype>(), qsizetype(1));
    QCOMPARE(QPoint(moved.at(1).at(1).toInt(), moved.at(1).at(2).toInt()), newXY);
}

// The window sets the objects again after every change; the selection stays while its
// object still has a place, the last one included.
void tst_StageView::selectionKeptWhileItsObjectStays()
{
    QList<const ModelObject*> list;
    for (const auto& object : m_objects)
        list.append(object.get());
    m_view->setSelectedPosition(3);
    m_view->setObjects(list);
    QCOMPARE(m_view->selectedPosition(), qsizetype(3));
    m_view->setObjects(list.mid(0, 2));
    QCOMPARE(m_view->selectedPosition(), qsizetype(0));
}

// Fit, and at the fitting zoom another screen, shows the whole device screen however far the
// view was scrolled; a zoom of the user's own outlives another screen.
void tst_StageView::fitBringsTheScreenBack()
{
    const auto far = display(clsDisplay::Rect, 1500, 2000, 50, 50);
    m_view->setObjects({far.get()});
    const auto screenShownAfter = [this](const std::function<void()>& step) {
        m_view->horizontalScrollBar()->setValue(m_view->horizontalScrollBar()->maximum());
        m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
        step();
        const QRectF screen = m_view->stagePainter().screen();
        return QRectF(m_view->viewport()->rect())
            .contains(QRectF(pixel(screen.topLeft()), pixel(screen.bottomRight())));
    };
    QVERIFY(!screenShownAfter([] {}));
    QVERIFY(screenShownAfter([this] { m_view->fit(); }));
    ProjectContext tablet;
    tablet.screenInContent = QRectF(0, 0, 768, 1024);
    QVERIFY(screenShownAfter([&] { m_view->setProject(tablet); }));
    m_view->setZoom(3);
    m_view->setProject(ProjectContext());
    QCOMPARE(m_view->zoom(), 3.0);
}

QTEST_MAIN(tst_StageView)
#include "tst_StageView.moc"
