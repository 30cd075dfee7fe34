#include "StagePainter.h"

#include "BodyOutline.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "ContentArea.h"
#include "GroupTree.h"
#include "ScreenExpression.h"
#include "StageGeometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <unordered_map>

const QColor StagePainter::screenColour(0, 0, 0);
const QColor StagePainter::outsideColour(104, 104, 112);
const QColor StagePainter::selectionColour(0, 170, 255);
const QColor StagePainter::placeholderColour(64, 72, 92);
const QColor StagePainter::contentEdgeColour(90, 170, 110);

namespace {

// A device shows at most this many alert buttons.
constexpr int alertButtonLimit = 5;
constexpr std::size_t smoothLimit = 2000;
const QRectF safeReach(-1e5, -1e5, 2e5, 2e5);

const QColor dimColour(0, 0, 0, 120);
const QColor markColour(255, 64, 200);
const QColor groupColour(255, 160, 0);
const QColor ghostColour(255, 230, 90);
const QColor missingColour(235, 40, 40);

QPen cosmeticPen(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

namespace {

// Whether two display objects look the same on the stage.
bool sameLook(const clsDisplay& a, const clsDisplay& b)
{
    return a.dObjType() == b.dObjType() && a.x() == b.x() && a.y() == b.y() && a.sWidth() == b.sWidth() &&
           a.sHeight() == b.sHeight() && a.sRounding() == b.sRounding() && a.reference() == b.reference() &&
           a.Colour() == b.Colour() && a.parGroup().isEmpty() == b.parGroup().isEmpty() &&
           a.filename() == b.filename() && a.sFontName() == b.sFontName() && a.xText() == b.xText() &&
           a.yText() == b.yText() && a.properties() == b.properties();
}

// Where an expression puts the object on the shown screen; 0 for one that cannot be computed.
qint32 placedAt(const QString& text, const QHash<QString, double>& values)
{
    const double value = ScreenExpression::evaluate(text, values).value_or(0);
    return qint32(std::lround(std::clamp(value, -1e9, 1e9)));
}

} // namespace

void StagePainter::setObjects(const QList<const ModelObject*>& objects)
{
    // A step changes one object or two; the others keep their items, text layout included.
    // An item is reused only for an object that still looks the same, so an address that
    // now holds another object costs nothing but the rebuild.
    std::unordered_map<const ModelObject*, std::size_t> previous;
    previous.reserve(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i)
        previous.emplace(m_objects.at(m_items[i].position - 1), i);
    std::vector<StageItem> oldItems = std::move(m_items);
    std::vector<clsDisplay> oldLooks = std::move(m_looks);

    m_objects = objects;
    m_items.clear();
    m_items.reserve(objects.size());
    m_looks.clear();
    m_looks.reserve(objects.size());
    m_itemIndex.assign(objects.size() + 1, -1);
    // Drawn as the engine draws: each group's children at its place, moved by its position.
    const GroupTree tree(objects, [this](const clsDisplay& group) {
        return QPoint(placedAt(group.xText(), m_screenValues), placedAt(group.yText(), m_screenValues));
    });
    std::unordered_map<const ModelObject*, qsizetype> positions;
    if (tree.hasGroups()) {
        positions.reserve(objects.size());
        for (qsizetype i = 0; i < objects.size(); ++i)
            positions.emplace(objects.at(i), i + 1);
    }
    // Without groups the engine's order is the workspace's.
    qsizetype next = 0;
    const auto positionOf = [&](const ModelObject* object) {
        if (!positions.empty())
            return positions.at(object);
        while (objects.at(next) != object)
            ++next;
        return ++next;
    };
    for (const clsDisplay* display : tree.engineOrder()) {
        const qsizetype position = positionOf(display);
        m_itemIndex[position] = qsizetype(m_items.size());
        const QPoint offset = tree.offsetOf(display);
        const clsDisplay look = offset.isNull() ? *display
                                                : *StageGeometry::movedTo(*display, display->x() + offset.x(),
                                                                          display->y() + offset.y());
        const clsDisplay* parent = tree.parentOf(display);
        QTransform inherited;
        qreal inheritedOpacity = 1;
        if (parent) {
            const StageItem& holder = m_items[std::size_t(m_itemIndex[positionOf(parent)])];
            inherited = holder.transform;
            inheritedOpacity = holder.opacity;
        }
        const auto old = previous.find(display);
        if (old != previous.end() && sameLook(oldLooks[old->second], look) &&
            oldItems[old->second].inherited == inherited &&
            oldItems[old->second].inheritedOpacity == inheritedOpacity) {
            m_items.push_back(std::move(oldItems[old->second]));
            m_items.back().position = position;
        } else {
            StageItem item = makeItem(look, position);
            // A group turns, scales and fades its children about its own point.
            item.inherited = inherited;
            item.inheritedOpacity = inheritedOpacity;
            if (!inherited.isIdentity()) {
                item.transform = item.transform * inherited;
                item.transformed = true;
            }
            item.opacity *= inheritedOpacity;
            m_items.push_back(std::move(item));
        }
        m_items.back().group = parent ? positionOf(parent) : 0;
        m_items.back().grouped = !parent && !display->parGroup().isEmpty();
        m_looks.push_back(look);
    }
    // A group covers its children: the last child first, so that nested groups are known.
    for (StageItem& item : m_items) {
        if (item.shape == StageItem::Shape::Group)
            item.bounds = QRectF(item.anchor, QSizeF(0, 0));
    }
    // In the group's own frame: a child's reach less what the group itself turns.
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (it->group == 0)
            continue;
        StageItem& holder = m_items[std::size_t(m_itemIndex[it->group])];
        holder.bounds |= it->transformed ? (it->transform * holder.transform.inverted()).mapRect(it->bounds)
                                         : it->bounds;
    }
    if (m_selected > objects.size())
        m_selected = 0;
    m_dragged = 0;
    // Thousands of smoothed shapes would make the stage sluggish; crisp edges keep it live.
    m_smooth = m_items.size() <= smoothLimit;
    m_placeholderFont = StageGeometry::placeholderFont();
    recount();
}

StageItem StagePainter::makeItem(const clsDisplay& display, qsizetype position) const
{
    if (display.hasExpression()) {
        clsDisplay placed(display);
        placed.setX(placedAt(display.xText(), m_screenValues));
        placed.setY(placedAt(display.yText(), m_screenValues));
        return makeItem(placed, position);
    }
    StageItem item = StageGeometry::itemFor(display, position, m_pictures.imageSize(display));
    m_pictures.dress(item, display);
    BodyOutline::dress(item, display);
    return item;
}

void StagePainter::refreshPictures(bool decodedOnly)
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].shape == StageItem::Shape::Image &&
            (!decodedOnly || m_looks[i].dObjType() == clsDisplay::Image))
            m_items[i] = makeItem(m_looks[i], m_items[i].position);
    }
    recount();
}

const StageItem* StagePainter::itemAt(qsizetype position) const
{
    if (position < 1 || position >= qsizetype(m_itemIndex.size()) || m_itemIndex[position] < 0)
        return nullptr;
    return &m_items[m_itemIndex[position]];
}

void StagePainter::setProject(const ProjectContext& project)
{
    m_project = project;
    m_screenValues = ContentArea::screenValues(project);
    // Objects placed by the screen's names move with it.
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_looks[i].hasExpression())
            m_items[i] = makeItem(m_looks[i], m_items[i].position);
    }
    recount();
}

void StagePainter::setDragOffset(qsizetype position, const QPointF& offset)
{
    m_dragged = position;
    m_dragOffset = offset;
}

bool StagePainter::isDragged(const StageItem& item) const
{
    // A dragged group takes everything in it along.
    for (const StageItem* at = &item; at; at = itemAt(at->group)) {
        if (at->position == m_dragged)
            return true;
    }
    return false;
}

void StagePainter::recount()
{
    const QRectF screen = this->screen();
    m_outside = 0;
    m_reaching = 0;
    for (const StageItem& item : m_items) {
        if (item.shape == StageItem::Shape::Group || StageGeometry::isWhollyInside(item, screen))
            continue;
        ++(StageGeometry::reachesInto(item, screen) ? m_reaching : m_outside);
    }
}

qsizetype StagePainter::objectAt(const QPointF& point, qreal tolerance) const
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (StageGeometry::hits(*it, point, tolerance))
            return it->position;
    }
    return 0;
}

QRectF StagePainter::extent() const
{
    QRectF all = screen() | QRectF(QPointF(0, 0), m_project.contentSize);
    for (const StageItem& item : m_items)
        all |= item.bounds;
    return all;
}

void StagePainter::paint(QPainter& painter, const QRectF& area, qreal pixel) const
{
    const QRectF screen = this->screen();
    m_pictures.beginFrame();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_smooth);
    painter.fillRect(area, outsideColour);
    painter.fillRect(screen & area, screenColour);

    // Marks and outlines reach a few pixels beyond an object's bounds.
    const qreal slack = 8 * pixel;
    const QRectF visible = area.adjusted(-slack, -slack, slack, slack);
    for (const StageItem& item : m_items) {
        if (m_dragged != 0 && isDragged(item)) {
            painter.save();
            painter.translate(m_dragOffset);
            paintItem(painter, item, pixel);
            if (item.grouped)
                paintGroupMark(painter, item, pixel);
            painter.restore();
        } else if (const QRectF reach = item.transformed ? item.transform.mapRect(item.bounds) : item.bounds;
                   reach.intersects(visible) || reach.isEmpty()) {
            paintItem(painter, item, pixel);
            if (item.grouped)
                paintGroupMark(painter, item, pixel);
        }
    }

    for (const StageItem& item : m_items) {
        if (!m_showBodies || item.body == PhysicsBody::None)
            continue;
        painter.save();
        if (item.position == m_dragged)
            painter.translate(m_dragOffset);
        BodyOutline::paint(painter, item, pixel);
        painter.restore();
    }

    // Dim what lies around the screen, objects included, so the screen's edge reads at once.
    const QRectF top(area.left(), area.top(), area.width(), screen.top() - area.top());
    const QRectF bottom(area.left(), screen.bottom(), area.width(), area.bottom() - screen.bottom());
    const QRectF left(area.left(), screen.top(), screen.left() - area.left(), screen.height());
    const QRectF right(screen.right(), screen.top(), area.right() - screen.right(), screen.height());
    for (const QRectF& band : {top, bottom, left, right}) {
        if (band.width() > 0 && band.height() > 0)
            painter.fillRect(band, dimColour);
    }
    painter.setPen(cosmeticPen(QColor(200, 200, 200), 1));
    painter.setBrush(Qt::NoBrush);
    // Just outside the screen, so that no content pixel is covered.
    painter.drawRect(screen.adjusted(-pixel, -pixel, 0, 0));
    // The content area's edge where it differs from the screen's: the bars of letterbox, the
    // parts zoomEven crops.
    const QRectF content(QPointF(0, 0), m_project.contentSize);
    if (content != screen) {
        painter.setPen(cosmeticPen(contentEdgeColour, 1, Qt::DashLine));
        painter.drawRect(content.adjusted(0, 0, -pixel, -pixel));
    }

    if (const StageItem* selected = itemAt(m_selected)) {
        painter.save();
        if (isDragged(*selected))
            painter.translate(m_dragOffset);
        paintOutline(painter, *selected, pixel);
        painter.restore();
    } else if (m_selected >= 1 && m_selected <= m_objects.size()) {
        if (clsAlert::from(m_objects.at(m_selected - 1)))
            paintAlert(painter);
        else
            paintGhost(painter, pixel);
    }
}

void StagePainter::paintItem(QPainter& painter, const StageItem& item, qreal pixel) const
{
    if (!item.transformed && item.opacity == 1 && item.strokeWidth == 0)
        return paintShape(painter, item, pixel);
    painter.save();
    painter.setTransform(item.transform, true);
    painter.setOpacity(painter.opacity() * item.opacity);
    if (item.shape == StageItem::Shape::Line && item.strokeWidth > 0) {
        painter.setRenderHint(QPainter::Antialiasing, m_smooth);
        painter.setPen(QPen(item.stroke, item.strokeWidth));
        painter.drawLine(item.line);
    } else {
        paintShape(painter, item, pixel);
    }
    if (item.strokeWidth > 0 && item.shape != StageItem::Shape::Line) {
        // A pen strokes its edge half inside and half outside, as the engine does.
        painter.setRenderHint(QPainter::Antialiasing, m_smooth);
        painter.setPen(QPen(item.stroke, item.strokeWidth));
        painter.setBrush(Qt::NoBrush);
        if (item.shape == StageItem::Shape::Circle)
            painter.drawEllipse(item.anchor, item.radius, item.radius);
        else if (item.shape == StageItem::Shape::RoundedRect)
            painter.drawRoundedRect(item.bounds, item.radius, item.radius);
        else
            painter.drawRect(item.bounds);
    }
    painter.restore();
}

void StagePainter::paintShape(QPainter& painter, const StageItem& item, qreal pixel) const
{
    switch (item.shape) {
    case StageItem::Shape::Rect:
        // The raster engine's integer path is the fastest; rects too large for its fixed-point
        // figures are cut to a reach no view can scroll past.
        if (safeReach.contains(item.bounds))
            painter.fillRect(item.bounds.toRect(), item.colour);
        else
            painter.fillRect(item.bounds & safeReach, item.colour);
        break;
    case StageItem::Shape::RoundedRect:
        painter.setRenderHint(QPainter::Antialiasing, m_smooth);
        painter.setPen(Qt::NoPen);
        painter.setBrush(item.colour);
        painter.drawRoundedRect(item.bounds, item.radius, item.radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    case StageItem::Shape::Circle:
        painter.setRenderHint(QPainter::Antialiasing, m_smooth);
        painter.setPen(Qt::NoPen);
        painter.setBrush(item.colour);
        painter.drawEllipse(item.anchor, item.radius, item.radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    case StageItem::Shape::Line: {
        // Corona's lines are one content unit wide; never thinner than a pixel on screen.
        QPen pen(item.colour, 1);
        pen.setCosmetic(pixel > 1);
        painter.setRenderHint(QPainter::Antialiasing, m_smooth);
        painter.setPen(pen);
        painter.drawLine(item.line);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    case StageItem::Shape::Group:
        break;
    case StageItem::Shape::Text:
        painter.setFont(item.font);
        painter.setPen(item.colour);
        painter.drawStaticText(item.bounds.topLeft(), item.label);
        break;
    case StageItem::Shape::Image: {
        if (const QPixmap* picture = m_pictures.pixmap(item, pixel)) {
            painter.drawPixmap(item.bounds, *picture, QRectF(picture->rect()));
            break;
        }
        painter.fillRect(item.bounds & safeReach, placeholderColour);
        if (item.missing)
            painter.setPen(cosmeticPen(missingColour, 2, Qt::DashLine));
        else
            painter.setPen(cosmeticPen(QColor(170, 180, 200), 1, item.dashed ? Qt::DashLine : Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.bounds);
        // The name only where it can be read.
        const QSizeF labelSize = item.label.size();
        if (pixel * 6 <= StageGeometry::placeholderTextSize && labelSize.height() <= item.bounds.height()) {
            painter.setFont(m_placeholderFont);
            QPointF at = item.bounds.center() - QPointF(labelSize.width(), labelSize.height()) / 2;
            // Out of the way of a reference mark in the middle row, room permitting.
            if (item.markAnchor && qFuzzyCompare(item.anchor.y(), item.bounds.center().y()) &&
                item.bounds.height() >= 3 * labelSize.height())
                at.setY(item.bounds.bottom() - labelSize.height() - 2 * pixel);
            painter.drawStaticText(at, item.label);
        }
        if (item.markAnchor) {
            // A cross with a dot: straight strokes only, cheap even by the thousand.
            painter.setPen(cosmeticPen(markColour, 2));
            const qreal r = 8 * pixel;
            painter.drawLine(item.anchor - QPointF(r, 0), item.anchor + QPointF(r, 0));
            painter.drawLine(item.anchor - QPointF(0, r), item.anchor + QPointF(0, r));
            painter.fillRect(
                QRectF(item.anchor - QPointF(3 * pixel, 3 * pixel), QSizeF(6 * pixel, 6 * pixel)),
                markColour);
        }
        break;
    }
    }
}

void StagePainter::paintGroupMark(QPainter& painter, const StageItem& item, qreal pixel) const
{
    // A corner flag: the object sits in a group whose own position moves it on the device.
    const QPointF corner = item.bounds.topLeft();
    const qreal size = 9 * pixel;
    QPainterPath flag;
    flag.moveTo(corner);
    flag.lineTo(corner + QPointF(size, 0));
    flag.lineTo(corner + QPointF(0, size));
    flag.closeSubpath();
    painter.fillPath(flag, groupColour);
}

void StagePainter::paintOutline(QPainter& painter, const StageItem& item, qreal pixel) const
{
    painter.setTransform(item.transform, true); // follows a turned shape
    painter.setBrush(Qt::NoBrush);
    const qreal gap = 2 * pixel;
    const QRectF frame = item.bounds.adjusted(-gap, -gap, gap, gap);
    const bool group = item.shape == StageItem::Shape::Group;
    painter.setPen(cosmeticPen(QColor(0, 0, 0, 160), 4, group ? Qt::DashLine : Qt::SolidLine));
    painter.drawRect(frame);
    painter.setPen(cosmeticPen(selectionColour, 2, group ? Qt::DashLine : Qt::SolidLine));
    painter.drawRect(frame);
    // A real picture carries no reference mark of its own; the selected one shows it.
    if (item.markAnchor && !item.picture.isEmpty()) {
        const qreal r = 8 * pixel;
        painter.setPen(cosmeticPen(markColour, 2));
        painter.drawLine(item.anchor - QPointF(r, 0), item.anchor + QPointF(r, 0));
        painter.drawLine(item.anchor - QPointF(0, r), item.anchor + QPointF(0, r));
    }
}

void StagePainter::paintGhost(QPainter& painter, qreal pixel) const
{
    const std::optional<StageGhost> ghost = StageGeometry::ghostFor(m_objects, m_selected);
    if (!ghost)
        return;
    painter.save();
    painter.setTransform(ghost->transform, true);
    // A fully transparent target still has to show where it is.
    painter.setOpacity(0.2 + 0.4 * ghost->opacity);
    paintItem(painter, ghost->item, pixel);
    painter.setOpacity(1);
    painter.setPen(cosmeticPen(ghostColour, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ghost->item.bounds);
    painter.restore();

    const QLineF arrow(ghost->from, ghost->to);
    if (arrow.length() < pixel)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(cosmeticPen(ghostColour, 2, Qt::DashLine));
    painter.drawLine(arrow);
    const qreal head = 10 * pixel;
    const qreal angle = std::atan2(arrow.dy(), arrow.dx());
    QPolygonF tip;
    tip << arrow.p2() << arrow.p2() - head * QPointF(std::cos(angle - 0.45), std::sin(angle - 0.45))
        << arrow.p2() - head * QPointF(std::cos(angle + 0.45), std::sin(angle + 0.45));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ghostColour);
    painter.drawPolygon(tip);
    painter.restore();
}

void StagePainter::paintAlert(QPainter& painter) const
{
    const auto* alert = static_cast<const clsAlert*>(m_objects.at(m_selected - 1));
    const QRectF screen = this->screen();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(screen, QColor(0, 0, 0, 110));

    const qreal width = std::min<qreal>(270, screen.width() - 32);
    const qreal pad = 14;
    QFont titleFont = painter.font();
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    QFont messageFont = titleFont;
    messageFont.setBold(false);
    messageFont.setPixelSize(13);
    QFont buttonFont = messageFont;
    buttonFont.setPixelSize(16);

    const int flags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextExpandTabs;
    const QString title = StageGeometry::shownText(alert->title());
    const QString message = StageGeometry::shownText(alert->message());
    const QRectF titleRect =
        QFontMetricsF(titleFont).boundingRect(QRectF(0, 0, width - 2 * pad, 1e6), flags, title);
    const QRectF messageRect =
        QFontMetricsF(messageFont).boundingRect(QRectF(0, 0, width - 2 * pad, 1e6), flags, message);
    const qreal row = 40;
    const qsizetype buttons = alert->buttonsCount();
    const qreal textHeight = pad + titleRect.height() + 6 + messageRect.height() + pad;
    const qreal height = textHeight + row * buttons;
    const QRectF box(screen.center().x() - width / 2, screen.center().y() - height / 2, width, height);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(242, 242, 246));
    painter.drawRoundedRect(box, 12, 12);

    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    QRectF line(box.left() + pad, box.top() + pad, width - 2 * pad, titleRect.height());
    painter.drawText(line, flags, title);
    painter.setFont(messageFont);
    line = QRectF(line.left(), line.bottom() + 6, line.width(), messageRect.height());
    painter.drawText(line, flags, message);

    painter.setFont(buttonFont);
    qreal top = box.top() + textHeight;
    for (qsizetype i = 1; i <= buttons; ++i, top += row) {
        const QRectF cell(box.left(), top, width, row);
        painter.setPen(QPen(QColor(200, 200, 206), 0));
        painter.drawLine(cell.topLeft(), cell.topRight());
        const bool shown = i <= alertButtonLimit;
        QFont font = buttonFont;
        font.setStrikeOut(!shown);
        painter.setFont(font);
        painter.setPen(shown ? QColor(0, 110, 230) : QColor(150, 150, 150));
        painter.drawText(cell, Qt::AlignCenter | Qt::TextExpandTabs,
                         StageGeometry::shownText(alert->buttons().at(i).clsKey()));
        if (!shown) {
            QFont note = messageFont;
            note.setPixelSize(10);
            painter.setFont(note);
            painter.setPen(QColor(210, 40, 40));
            painter.drawText(cell.adjusted(0, 0, -8, 0), Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("not shown"));
        }
    }
    painter.restore();
}
