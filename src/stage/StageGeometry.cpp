#include "StageGeometry.h"

#include "clsDisplay.h"
#include "clsTransition.h"
#include "mdlBrowsePath.h"
#include "PropertyLines.h"
#include "ScreenExpression.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <limits>

namespace StageGeometry {

namespace {

// A target beyond these is drawn at them: no view reaches farther, and the raster engine's
// figures would overflow.
constexpr double ghostReach = 1e5;
constexpr double ghostScale = 100;

bool familyInstalled(const QString& family)
{
    static const QSet<QString> installed = [] {
        const QStringList families = QFontDatabase::families();
        QSet<QString> set;
        for (const QString& name : families)
            set.insert(name.toCaseFolded());
        return set;
    }();
    return installed.contains(family.toCaseFolded());
}

// A box of the given size placed so that its reference point lands on (x, y).
QRectF placed(qreal x, qreal y, QSizeF size, QPointF fraction)
{
    return QRectF(x - fraction.x() * size.width(), y - fraction.y() * size.height(), size.width(),
                  size.height())
        .normalized();
}

} // namespace

QColor colourOf(qint32 colour)
{
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

QFont fontFor(const QString& fontField, int size)
{
    QFont font = QGuiApplication::font();
    const QString field = fontField.trimmed();
    if (field == QLatin1String("native.systemFontBold")) {
        font.setBold(true);
    } else if (field.size() > 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"'))) {
        const QString family = field.mid(1, field.size() - 2);
        if (familyInstalled(family))
            font.setFamily(family);
    }
    // Glyphs are rendered at this size; past a few screens' height they would only eat memory.
    font.setPixelSize(size > 0 ? std::min(size, maxTextSize) : defaultTextSize);
    return font;
}

QFont placeholderFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(placeholderTextSize);
    return font;
}

std::optional<QPointF> referenceFraction(qint32 reference)
{
    if (reference < 0 || reference >= clsDisplay::referencePointCount)
        return std::nullopt;
    return QPointF((reference % 3) * 0.5, (reference / 3) * 0.5);
}

// The properties every object may set, as the engine applies them: turned and scaled about
// the point at x, y.
void applyProperties(StageItem& item, const clsDisplay& object, const QPointF& at)
{
    const DisplayProperties& p = object.properties();
    item.opacity = p.alpha;
    if (PropertyLines::takesStroke(object.dObjType()) && p.strokeWidth > 0) {
        item.strokeWidth = p.strokeWidth;
        item.stroke = object.dObjType() == clsDisplay::Line ? item.colour : colourOf(p.strokeColour);
    }
    if (!p.transformed())
        return;
    item.transformed = true;
    item.transform.translate(at.x(), at.y());
    item.transform.rotate(p.rotation);
    item.transform.scale(p.xScale, p.yScale);
    item.transform.translate(-at.x(), -at.y());
}

StageItem itemFor(const clsDisplay& object, qsizetype position, std::optional<QSizeF> pictureSize)
{
    StageItem item;
    item.position = position;
    item.grouped = !object.parGroup().isEmpty();
    item.colour = colourOf(object.Colour());
    const qreal x = object.x();
    const qreal y = object.y();
    const qreal w = object.sWidth();
    const qreal h = object.sHeight();
    switch (object.dObjType()) {
    case clsDisplay::Image:
    case clsDisplay::ImageRect: {
        item.shape = StageItem::Shape::Image;
        item.text = mdlBrowsePath::FileNameFromPath(object.filename());
        const QSizeF size = object.dObjType() == clsDisplay::Image
                                ? pictureSize.value_or(QSizeF(imageSize, imageSize))
                                : QSizeF(w, h);
        // Without a reference point the engine keeps its default, the centre.
        item.bounds = placed(x, y, size, referenceFraction(object.reference()).value_or(QPointF(0.5, 0.5)));
        item.anchor = QPointF(x, y);
        item.markAnchor = true;
        const QFont font = placeholderFont();
        const QString name = QFontMetricsF(font).elidedText(item.text, Qt::ElideMiddle,
                                                            std::max<qreal>(0, item.bounds.width() - 6));
        item.label.setText(name);
        item.label.setTextFormat(Qt::PlainText);
        item.label.prepare(QTransform(), font);
        break;
    }
    case clsDisplay::RoundedRect:
        item.shape = StageItem::Shape::RoundedRect;
        item.radius = std::max<qreal>(0, object.sRounding());
        item.bounds = QRectF(x, y, w, h).normalized();
        item.anchor = item.bounds.center();
        break;
    case clsDisplay::Circle:
        item.shape = StageItem::Shape::Circle;
        item.radius = std::abs(w);
        item.bounds = QRectF(x - item.radius, y - item.radius, 2 * item.radius, 2 * item.radius);
        item.anchor = QPointF(x, y);
        break;
    case clsDisplay::Line:
        item.shape = StageItem::Shape::Line;
        item.line = QLineF(x, y, w, h);
        item.bounds = QRectF(item.line.p1(), item.line.p2()).normalized();
        item.anchor = item.line.p1();
        break;
    case clsDisplay::Text: {
        item.shape = StageItem::Shape::Text;
        item.text = object.filename();
        item.font = fontFor(object.sFontName(), object.sHeight());
        const QFontMetricsF metrics(item.font);
        item.bounds = QRectF(x, y, metrics.horizontalAdvance(item.text), metrics.height());
        item.label.setText(item.text);
        item.label.setTextFormat(Qt::PlainText);
        item.label.prepare(QTransform(), item.font);
        item.anchor = item.bounds.center();
        break;
    }
    case clsDisplay::Group:
        item.shape = StageItem::Shape::Group;
        item.bounds = QRectF(x, y, 0, 0);
        item.anchor = QPointF(x, y);
        break;
    default: // Rect, and kinds the generator refuses, drawn as what they most likely meant
        item.shape = StageItem::Shape::Rect;
        item.bounds = QRectF(x, y, w, h).normalized();
        item.anchor = item.bounds.center();
        break;
    }
    applyProperties(item, object, QPointF(x, y));
    return item;
}

bool isWhollyInside(const StageItem& item, const QRectF& screen)
{
    const QRectF& b = item.bounds;
    return b.left() >= screen.left() && b.top() >= screen.top() && b.right() <= screen.right() &&
           b.bottom() <= screen.bottom();
}

QString shownText(const QString& written)
{
    QString shown;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written.at(i) != QLatin1Char('\\') || i + 1 == written.size()) {
            shown += written.at(i);
            continue;
        }
        const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        const QChar next = written.at(++i);
        if (isDigit(next)) { // \ddd: a byte by its decimal code
            int code = 0;
            for (int digits = 0; digits < 3 && i < written.size() && isDigit(written.at(i)); ++digits)
                code = code * 10 + written.at(i++).digitValue();
            --i;
            shown += QChar(std::min(code, 255));
            continue;
        }
        // A line break for \n and \r; the bell and the other controls show nothing.
        const qsizetype control = QStringLiteral("ntrabfv").indexOf(next);
        if (control >= 0)
            shown += QStringLiteral("\n\t\n").mid(control, 1);
        else
            shown += next;
    }
    return shown;
}

bool reachesInto(const StageItem& item, const QRectF& screen)
{
    // Not QRectF::intersects, which misses the empty bounds of a level line.
    const QRectF& b = item.bounds;
    return b.left() < screen.right() && b.right() > screen.left() && b.top() < screen.bottom() &&
           b.bottom() > screen.top();
}

bool hits(const StageItem& item, const QPointF& at, qreal tolerance)
{
    // A turned shape is hit where its unturned self lies under the point turned back.
    const QPointF point = item.transformed ? item.transform.inverted().map(at) : at;
    if (!item.bounds.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(point))
        return false;
    switch (item.shape) {
    case StageItem::Shape::Circle:
        return QLineF(item.anchor, point).length() <= item.radius + tolerance;
    case StageItem::Shape::Line: {
        const QPointF d = item.line.p2() - item.line.p1();
        const qreal lengthSquared = QPointF::dotProduct(d, d);
        qreal t = lengthSquared > 0 ? QPointF::dotProduct(point - item.line.p1(), d) / lengthSquared : 0;
        t = std::clamp<qreal>(t, 0, 1);
        return QLineF(item.line.p1() + t * d, point).length() <= tolerance;
    }
    default:
        return true;
    }
}

std::unique_ptr<clsDisplay> movedTo(const clsDisplay& object, qint32 newX, qint32 newY)
{
    auto moved = std::make_unique<clsDisplay>(object);
    if (object.dObjType() == clsDisplay::Line) {
        // Saturated: a second point near the end of the range stops there instead of wrapping.
        const auto shifted = [](qint32 value, qint64 by) {
            return qint32(std::clamp<qint64>(value + by, std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max()));
        };
        moved->setSWidth(shifted(object.sWidth(), qint64(newX) - object.x()));
        moved->setSHeight(shifted(object.sHeight(), qint64(newY) - object.y()));
    }
    // An expression keeps its form: only its trailing offset changes.
    const auto place = [](const QString& text, qint32 old, qint32 now) {
        return text == QString::number(old) ? QString::number(now)
                                            : ScreenExpression::nudged(text, qint64(now) - old);
    };
    moved->setX(place(object.xText(), object.x(), newX));
    moved->setY(place(object.yText(), object.y(), newY));
    return moved;
}

std::optional<double> plainNumber(const QString& value)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*-?\\s*(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!number.match(value).hasMatch())
        return std::nullopt;
    // Lua reads "- 5" as minus five.
    QString compact = value;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    bool ok = false;
    const double result = compact.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<StageGhost> ghostFor(const QList<const ModelObject*>& objects, qsizetype position)
{
    if (position < 1 || position > objects.size())
        return std::nullopt;
    const auto* transition = clsTransition::from(objects.at(position - 1));
    if (!transition)
        return std::nullopt;
    const clsDisplay* target = nullptr;
    qsizetype targetPosition = 0;
    for (qsizetype i = position - 1; i >= 1 && !target; --i) {
        const auto* display = clsDisplay::from(objects.at(i - 1));
        if (display && display->varName() == transition->varName()) {
            target = display;
            targetPosition = i;
        }
    }
    if (!target)
        return std::nullopt;

    StageGhost ghost;
    ghost.item = itemFor(*target, targetPosition);
    QPointF at = ghost.item.anchor;
    qreal xScale = 1;
    qreal yScale = 1;
    qreal rotation = 0;
    bool any = false;
    for (const clsData& pair : transition->properties()) {
        const std::optional<double> value = plainNumber(pair.clsValue());
        if (!value)
            continue;
        const QString key = pair.clsKey();
        // Lua names are case-sensitive: "X" is not the object's x.
        if (key == QLatin1String("x"))
            at.setX(std::clamp(*value, -ghostReach, ghostReach));
        else if (key == QLatin1String("y"))
            at.setY(std::clamp(*value, -ghostReach, ghostReach));
        else if (key == QLatin1String("alpha"))
            ghost.opacity = std::clamp(*value, 0.0, 1.0);
        else if (key == QLatin1String("xScale"))
            xScale = std::clamp(*value, -ghostScale, ghostScale);
        else if (key == QLatin1String("yScale"))
            yScale = std::clamp(*value, -ghostScale, ghostScale);
        else if (key == QLatin1String("rotation"))
            rotation = std::fmod(*value, 360.0);
        else
            continue;
        any = true;
    }
    if (!any)
        return std::nullopt;

    // Corona scales and rotates about the object's reference point, which x and y name.
    const QPointF anchor = ghost.item.anchor;
    ghost.transform = QTransform::fromTranslate(-anchor.x(), -anchor.y()) *
                      QTransform().scale(xScale, yScale) * QTransform().rotate(rotation) *
                      QTransform::fromTranslate(at.x(), at.y());
    const bool from = transition->transitionDirection() != 0;
    ghost.from = from ? at : anchor;
    ghost.to = from ? anchor : at;
    return ghost;
}

} // namespace StageGeometry
