#include "ContentArea.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace ContentArea {

namespace {

enum class Align
{
    Start,
    Center,
    End
};

Align alignOf(const QString& value, QLatin1String start, QLatin1String end)
{
    if (value.compare(start, Qt::CaseInsensitive) == 0)
        return Align::Start;
    if (value.compare(end, Qt::CaseInsensitive) == 0)
        return Align::End;
    return Align::Center;
}

// Where the device screen starts, in content units, along one axis.
qreal screenStart(Align align, qreal content, qreal seen)
{
    switch (align) {
    case Align::Start:
        return 0;
    case Align::End:
        return content - seen;
    case Align::Center:
        break;
    }
    return (content - seen) / 2;
}

// The engine's names, matched without regard to case; anything else is no mode.
QString modeOf(const QString& scale)
{
    for (const char* name : {"letterbox", "zoomEven", "zoomStretch", "adaptive"}) {
        if (scale.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1String(name);
    }
    return QString();
}

// The screen less the device's insets, which are in pixels.
QRectF safeArea(const QRectF& screen, const DeviceProfile& device, bool landscape, qreal sx, qreal sy)
{
    const QMargins m = landscape ? device.landscapeInsets : device.insets;
    return screen.adjusted(m.left() * sx, m.top() * sy, -m.right() * sx, -m.bottom() * sy);
}

} // namespace

QHash<QString, double> screenValues(const ProjectContext& c)
{
    const QSizeF content = c.contentSize;
    const QRectF& screen = c.screenInContent;
    const QRectF& safe = c.safeInContent;
    const auto d = [](const char* name) { return QStringLiteral("display.") + QLatin1String(name); };
    return {{d("contentWidth"), content.width()},
            {d("contentHeight"), content.height()},
            {d("contentCenterX"), content.width() / 2},
            {d("contentCenterY"), content.height() / 2},
            {d("screenOriginX"), screen.x()},
            {d("screenOriginY"), screen.y()},
            {d("actualContentWidth"), screen.width()},
            {d("actualContentHeight"), screen.height()},
            {d("viewableContentWidth"), std::min(content.width(), screen.width())},
            {d("viewableContentHeight"), std::min(content.height(), screen.height())},
            {d("safeScreenOriginX"), safe.x()},
            {d("safeScreenOriginY"), safe.y()},
            {d("safeActualContentWidth"), safe.width()},
            {d("safeActualContentHeight"), safe.height()}};
}

ProjectContext contextFor(const GameConfig& config, const DeviceProfile& device, bool landscape,
                          const QString& folder)
{
    ProjectContext context;
    context.folder = folder;
    context.name = folder.isEmpty() ? QString() : QDir(folder).dirName();
    // The root has no name of its own: its path stands in.
    if (!folder.isEmpty() && context.name.isEmpty())
        context.name = QDir::toNativeSeparators(QDir(folder).absolutePath());
    context.graphicsV1 = config.graphicsCompatibility != 0;
    context.problem = config.configProblem;
    if (!config.buildProblem.isEmpty())
        context.problem +=
            (context.problem.isEmpty() ? QString() : QStringLiteral("\n")) + config.buildProblem;
    const QSizeF screen = landscape ? QSizeF(device.pixels).transposed() : QSizeF(device.pixels);
    context.devicePixels = screen.toSize();

    QString mode = config.hasContent ? modeOf(config.scale) : QString();
    QSizeF content(config.width, config.height);
    if (mode == QLatin1String("adaptive"))
        content = QSizeF(device.points);
    if (!config.hasContent || content.width() <= 0 || content.height() <= 0) {
        context.mode = QStringLiteral("no scaling");
        context.contentSize = screen;
        context.screenInContent = QRectF(QPointF(0, 0), screen);
        context.safeInContent = safeArea(context.screenInContent, device, landscape, 1, 1);
        return context;
    }
    // Width and height without a known mode stretch, as Corona always did.
    if (mode.isEmpty())
        mode = QStringLiteral("zoomStretch");
    Align xAlign = alignOf(config.xAlign, QLatin1String("left"), QLatin1String("right"));
    Align yAlign = alignOf(config.yAlign, QLatin1String("top"), QLatin1String("bottom"));
    // The config speaks in portrait terms; a sideways start turns size and alignment with it.
    if (landscape) {
        content.transpose();
        std::swap(xAlign, yAlign);
    }
    // Content units per device pixel on each axis.
    qreal sx = content.width() / screen.width();
    qreal sy = content.height() / screen.height();
    const bool wider = screen.width() / screen.height() > content.width() / content.height();
    if (mode == QLatin1String("letterbox"))
        sx = sy = wider ? sy : sx;
    else if (mode == QLatin1String("zoomEven"))
        sx = sy = wider ? sx : sy;
    const QSizeF seen(screen.width() * sx, screen.height() * sy);
    context.scaling = true;
    context.mode = mode;
    context.contentSize = content;
    context.contentScale = 1 / sx;
    context.imageSuffixes = config.imageSuffixes;
    context.screenInContent =
        QRectF(screenStart(xAlign, content.width(), seen.width()),
               screenStart(yAlign, content.height(), seen.height()), seen.width(), seen.height());
    context.safeInContent = safeArea(context.screenInContent, device, landscape, sx, sy);
    return context;
}

QString caption(const ProjectContext& context)
{
    const QString area = QStringLiteral("content %1 \u00d7 %2, %3")
                             .arg(int(context.contentSize.width()))
                             .arg(int(context.contentSize.height()))
                             .arg(context.mode);
    const QSize actual = context.screenInContent.size().toSize();
    const QString actualText =
        actual == context.contentSize.toSize()
            ? QString()
            : QStringLiteral(", actual %1 \u00d7 %2").arg(actual.width()).arg(actual.height());
    if (!context.hasFolder())
        return QStringLiteral("No project folder: %1%2 (Solar2D's new-project template)")
            .arg(area, actualText);
    return QStringLiteral("%1: %2, %3%4")
        .arg(context.name, area,
             context.graphicsV1 ? QStringLiteral("Graphics 1.0") : QStringLiteral("Graphics 2.0"),
             actualText);
}

} // namespace ContentArea
