#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>

class QMainWindow;
class QWidget;

// The main window's size and place, also across runs. A geometry remembered from an earlier
// run must still suit the screens attached now: lie at least partly on one of them and be no
// wider than that screen's available area.
class WindowPlacement
{
public:
    // geometry: what QWidget::saveGeometry wrote; screens: each screen's available geometry.
    static bool fits(const QByteArray& geometry, const QList<QRect>& screens);

    // The designed minimum and first size. toolbar and statusBar: the pixels the desktop draws
    // above and below the panes, the menu bar included.
    static void fitDesign(QMainWindow* window, int toolbar, int statusBar);

    // The size, place and dock layout the last run ended with, where they still fit the
    // screens; else the window stays centred on the primary screen. stage: the window's dock,
    // which keeps showing or not as its own setting says.
    static void restore(QMainWindow* window, QWidget* stage);
    static void save(const QMainWindow* window);
};
