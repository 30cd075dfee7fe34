#include "WindowPlacement.h"

#include "WorkspaceLayout.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

namespace {

// QWidget::saveGeometry's header, which has kept this layout since Qt 4.
constexpr quint32 geometryMagic = 0x1D9D0CB;
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");

} // namespace

bool WindowPlacement::fits(const QByteArray& geometry, const QList<QRect>& screens)
{
    QDataStream stream(geometry);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    stream >> magic >> major >> minor >> frame >> normal;
    if (stream.status() != QDataStream::Ok || magic != geometryMagic || !frame.isValid())
        return false;
    for (const QRect& screen : screens) {
        if (screen.intersects(frame) && frame.width() <= screen.width() && normal.width() <= screen.width())
            return true;
    }
    return false;
}

void WindowPlacement::fitDesign(QMainWindow* window, int toolbar, int statusBar)
{
    // The desktop's toolbar and status bar are not as high as designed, and the menu bar
    // stands above the toolbar; the window makes up the difference so that the panes keep
    // their designed sizes.
    const int toolbarTwips = WorkspaceLayout::toTwips(toolbar);
    const int statusBarTwips = WorkspaceLayout::toTwips(statusBar);
    window->setMinimumSize(WorkspaceLayout::toPixels(
        WorkspaceLayout::clientFor(WorkspaceLayout::minimumClient(), toolbarTwips, statusBarTwips)));
    window->resize(WorkspaceLayout::toPixels(
        WorkspaceLayout::clientFor(WorkspaceLayout::initialClient(), toolbarTwips, statusBarTwips)));
}

void WindowPlacement::restore(QMainWindow* window, QWidget* stage)
{
    QSettings settings;
    const QByteArray geometry = settings.value(geometryKey).toByteArray();
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (!fits(geometry, screens) || !window->restoreGeometry(geometry)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window->move(screen->availableGeometry().center() - window->rect().center());
    }
    // The stage's own setting says whether it shows; the state only gives its place and size.
    const bool stageShown = !stage->isHidden();
    window->restoreState(settings.value(stateKey).toByteArray());
    if (stage->isHidden() == stageShown)
        stage->setVisible(stageShown);
}

void WindowPlacement::save(const QMainWindow* window)
{
    QSettings settings;
    settings.setValue(geometryKey, window->saveGeometry());
    settings.setValue(stateKey, window->saveState());
}
