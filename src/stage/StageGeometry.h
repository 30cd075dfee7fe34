#pragma once

#include "StageGhost.h"
#include "StageItem.h"

#include <QList>
#include <QSizeF>

#include <memory>
#include <optional>

class clsDisplay;
class clsTransition;
class ModelObject;

// Where Corona puts each kind of display object, and how objects are hit and moved.
namespace StageGeometry {

// Placeholder size of an Image: its real size is known only to the engine.
constexpr qreal imageSize = 64;
// Font size of a Text whose size is not positive: Corona then uses its default.
constexpr int defaultTextSize = 14;
// The largest font size drawn; larger texts are drawn at this size.
constexpr int maxTextSize = 2000;
// Size of the file name in an image placeholder, in content units.
constexpr int placeholderTextSize = 11;
QFont placeholderFont();

// pictureSize: an Image's size in content units once its picture is known.
StageItem itemFor(const clsDisplay& object, qsizetype position,
                  std::optional<QSizeF> pictureSize = std::nullopt);
// A Windows RGB value: red in bits 0-7, green 8-15, blue 16-23.
QColor colourOf(qint32 colour);
// The font a Text's font field names: a quoted installed family, native.systemFontBold as the
// default font in bold, anything else the default font. The size is in content units.
QFont fontFor(const QString& fontField, int size);
// The reference point's place within a box as fractions (0, 0.5, 1); nothing outside 0-8.
std::optional<QPointF> referenceFraction(qint32 reference);

bool isWhollyInside(const StageItem& item, const QRectF& screen);
// Whether any of the object lies inside the screen; touching its edge is not enough.
bool reachesInto(const StageItem& item, const QRectF& screen);
// Whether the point lies on the object; tolerance widens thin shapes such as lines.
bool hits(const StageItem& item, const QPointF& at, qreal tolerance);

// A copy of the object moved so that x and y read newX and newY; a line's second point moves
// with its first.
std::unique_ptr<clsDisplay> movedTo(const clsDisplay& object, qint32 newX, qint32 newY);

// What the device shows of a text the code writes between double quotes: Lua's escapes
// (\n, \t, \", \\, \ddd...) read as Lua reads them.
QString shownText(const QString& written);

// A transition value the stage can show: a plain Lua number.
std::optional<double> plainNumber(const QString& value);
// The target of the transition at position (1..objects.size()) for the last display object
// before it with the transition's name; nothing when there is none or no value is a plain
// number.
std::optional<StageGhost> ghostFor(const QList<const ModelObject*>& objects, qsizetype position);

} // namespace StageGeometry
