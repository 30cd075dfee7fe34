#include "StageView.h"

#include "clsDisplay.h"
#include "PictureLibrary.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <limits>

namespace {

constexpr qreal margin = 12; // pixels around the screen at the fitting size
constexpr qreal minZoom = 0.25;
constexpr qreal maxZoom = 16;

// Pixels a scene needs, forgiving the rounding of a scene that fits exactly.
int needed(qreal scaled)
{
    return int(std::ceil(scaled - 0.01));
}

} // namespace

StageView::StageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("stage"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 160);
    // A tooltip would keep popping up over the drawing; the hint is for assistive tools.
    setAccessibleName(tr("Stage"));
    setAccessibleDescription(
        tr("Click to select, drag to move; arrow keys nudge (Shift: by 10); Ctrl+wheel zooms"));
}

void StageView::setObjects(const QList<const ModelObject*>& objects)
{
    endDrag();
    const qsizetype selected = m_painter.selected();
    m_painter.setObjects(objects);
    m_painter.setSelected(selected <= objects.size() ? selected : 0);
    updateScrollBars();
    viewport()->update();
    announceOutside();
}

void StageView::setProject(const ProjectContext& project)
{
    const bool moved = project.screenInContent != m_painter.screen() ||
                       project.contentSize != m_painter.project().contentSize ||
                       project.devicePixels != m_painter.project().devicePixels;
    m_painter.setProject(project);
    updateScrollBars();
    // Another screen, orientation or content area is fitted anew, unless the user zoomed since.
    if (moved && m_fitted)
        centreScreen();
    viewport()->update();
    announceOutside();
}

void StageView::setPictures(PictureLibrary* library)
{
    if (PictureLibrary* old = m_painter.pictures().library())
        disconnect(old, nullptr, this, nullptr);
    m_painter.setPictures(library);
    if (library) {
        const auto refresh = [this](bool decodedOnly) {
            m_painter.refreshPictures(decodedOnly);
            updateScrollBars();
            viewport()->update();
            announceOutside();
        };
        connect(library, &PictureLibrary::checksChanged, this, [refresh] { refresh(false); });
        connect(library, &PictureLibrary::picturesChanged, this, [refresh] { refresh(true); });
    }
    m_painter.refreshPictures();
    viewport()->update();
}

bool StageView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    // Only pictures name their file; elsewhere nothing pops up over the drawing.
    const auto* help = static_cast<QHelpEvent*>(event);
    const StageItem* item = m_painter.itemAt(m_painter.objectAt(mapToContent(help->pos()), 4 / scale()));
    if (item && !item->toolTip.isEmpty())
        QToolTip::showText(help->globalPos(), item->toolTip, viewport());
    else
        QToolTip::hideText();
    return true;
}

void StageView::setScreen(const StageScreen& screen)
{
    // The owner maps the game's content area onto the new screen through setProject.
    m_screen = screen;
}

void StageView::announceOutside()
{
    const std::pair<int, int> now{m_painter.outsideCount(), m_painter.reachingCount()};
    if (now == m_lastOutside)
        return;
    m_lastOutside = now;
    emit outsideChanged(now.first, now.second);
}

void StageView::setSelectedPosition(qsizetype position)
{
    if (position == m_painter.selected())
        return;
    m_painter.setSelected(position);
    viewport()->update();
}

void StageView::setZoom(qreal zoom)
{
    m_fitted = false;
    m_zoom = std::clamp(zoom, minZoom, maxZoom);
    updateScrollBars();
    viewport()->update();
}

qreal StageView::scale() const
{
    const QSizeF screen = m_painter.screen().size();
    // Measured without scroll bars: a scale that changed as they come and go would call them
    // back and forth for ever.
    const QSizeF room = QSizeF(maximumViewportSize()) - QSizeF(2 * margin, 2 * margin);
    const qreal fit = std::min(room.width() / std::max<qreal>(1, screen.width()),
                               room.height() / std::max<qreal>(1, screen.height()));
    return std::max<qreal>(0.01, fit) * m_zoom;
}

QRectF StageView::scene() const
{
    // Scrolling reaches objects a few screens away; farther ones are only counted as outside.
    const QRectF screen = m_painter.screen();
    const qreal reachX = 4 * std::max<qreal>(screen.width(), 320);
    const qreal reachY = 4 * std::max<qreal>(screen.height(), 480);
    const QRectF reach = screen.adjusted(-reachX, -reachY, reachX, reachY);
    const qreal around = margin / scale();
    return (m_painter.extent() & reach).adjusted(-around, -around, around, around);
}

// Where the scene's top-left corner sits in the viewport: centred while it fits, scrolled
// otherwise.
QPointF StageView::origin() const
{
    const QSizeF scaled = scene().size() * scale();
    const QSize room = viewport()->size();
    const qreal x = scaled.width() <= room.width() ? (room.width() - scaled.width()) / 2
                                                   : -horizontalScrollBar()->value();
    const qreal y = scaled.height() <= room.height() ? (room.height() - scaled.height()) / 2
                                                     : -verticalScrollBar()->value();
    return QPointF(x, y);
}

QPointF StageView::mapFromContent(const QPointF& point) const
{
    return (point - scene().topLeft()) * scale() + origin();
}

QPointF StageView::mapToContent(const QPointF& point) const
{
    return (point - origin()) / scale() + scene().topLeft();
}

QSize StageView::room() const
{
    const QSizeF scaled = scene().size() * scale();
    QSize room = maximumViewportSize();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    bool wide = needed(scaled.width()) > room.width();
    bool tall = needed(scaled.height()) > room.height();
    // Either bar may take the room that makes the other one needed.
    tall = tall || (wide && needed(scaled.height()) > room.height() - barHeight);
    wide = wide || (tall && needed(scaled.width()) > room.width() - barWidth);
    return room - QSize(tall ? barWidth : 0, wide ? barHeight : 0);
}

void StageView::updateScrollBars()
{
    // From the area's size alone, so that the bars these ranges call for change nothing here.
    const QSizeF scaled = scene().size() * scale();
    const QSize room = this->room();
    horizontalScrollBar()->setRange(0, std::max(0, needed(scaled.width()) - room.width()));
    verticalScrollBar()->setRange(0, std::max(0, needed(scaled.height()) - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void StageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const qreal s = scale();
    painter.translate(origin());
    painter.scale(s, s);
    painter.translate(-scene().topLeft());
    const QRectF area(mapToContent(QPointF(0, 0)),
                      mapToContent(QPointF(viewport()->width(), viewport()->height())));
    m_painter.paint(painter, area, 1 / s);
}

void StageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    // Fitted, the screen stays whole, however the scene scrolled before.
    if (m_fitted)
        centreScreen();
}

void StageView::fit()
{
    setZoom(1);
    m_fitted = true;
    centreScreen();
}

void StageView::centreScreen()
{
    const QPointF centre = mapFromContent(m_painter.screen().center());
    const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                    int(std::lround(centre.x() - middle.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(std::lround(centre.y() - middle.y())));
}

void StageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void StageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPointF at = mapToContent(event->position());
    const qsizetype hit = m_painter.objectAt(at, 4 / scale());
    m_pressed = hit;
    m_pressPoint = at;
    m_pressPixel = event->position().toPoint();
    m_dragging = false;
    if (hit == 0)
        return;
    if (hit != m_painter.selected()) {
        m_painter.setSelected(hit);
        viewport()->update();
    }
    emit objectClicked(hit);
}

void StageView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed == 0 || !(event->buttons() & Qt::LeftButton))
        return;
    if (!m_dragging &&
        (event->position().toPoint() - m_pressPixel).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_dragging)
        viewport()->setCursor(Qt::ClosedHandCursor);
    m_dragging = true;
    // The preview snaps to whole units: it shows exactly where the release will put the object.
    const QPointF delta = mapToContent(event->position()) - m_pressPoint;
    m_dragDelta = QPoint(int(std::lround(delta.x())), int(std::lround(delta.y())));
    m_painter.setDragOffset(m_pressed, QPointF(m_dragDelta));
    viewport()->update();
}

void StageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const qsizetype position = m_pressed;
    const QPoint delta = m_dragDelta;
    const bool dragged = m_dragging;
    endDrag();
    if (dragged && !delta.isNull())
        requestMove(position, delta);
}

void StageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const qsizetype hit = m_painter.objectAt(mapToContent(event->position()), 4 / scale()))
        emit objectActivated(hit);
}

void StageView::endDrag()
{
    m_pressed = 0;
    m_dragging = false;
    m_dragDelta = QPoint();
    m_painter.setDragOffset(0, QPointF());
    viewport()->unsetCursor();
    viewport()->update();
}

void StageView::requestMove(qsizetype position, QPoint delta)
{
    const QList<const ModelObject*>& objects = m_painter.objects();
    if (position < 1 || position > objects.size())
        return;
    const auto* display = clsDisplay::from(objects.at(position - 1));
    if (!display)
        return;
    // Saturate rather than wrap: a stored coordinate never jumps to the other end of the range.
    const auto shifted = [](qint32 value, int by) {
        return qint32(std::clamp<qint64>(qint64(value) + by, std::numeric_limits<qint32>::min(),
                                         std::numeric_limits<qint32>::max()));
    };
    // Inside a turned or scaled group a move on the screen is another move in the group's frame.
    if (const StageItem* item = m_painter.itemAt(position); item && !item->inherited.isIdentity()) {
        const QTransform back = item->inherited.inverted();
        delta = (back.map(QPointF(delta)) - back.map(QPointF())).toPoint();
    }
    emit moveRequested(position, shifted(display->x(), delta.x()), shifted(display->y(), delta.y()));
}

void StageView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y();
    if (steps == 0)
        return;
    // Keep the content point under the mouse where it is.
    const QPointF mouse = event->position();
    const QPointF fixed = mapToContent(mouse);
    setZoom(m_zoom * std::pow(1.0015, steps));
    const QPointF now = mapFromContent(fixed);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(std::lround(now.x() - mouse.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(std::lround(now.y() - mouse.y())));
    event->accept();
}

void StageView::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        delta = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        delta = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        delta = QPoint(0, step);
        break;
    case Qt::Key_Escape:
        if (m_dragging) {
            endDrag();
            return;
        }
        [[fallthrough]];
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (m_painter.itemAt(m_painter.selected()) && !m_dragging)
        requestMove(m_painter.selected(), delta);
    event->accept();
}

void StageView::setShowBodies(bool shown)
{
    m_painter.setShowBodies(shown);
    viewport()->update();
}
