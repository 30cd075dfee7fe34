#pragma once

#include <QRect>
#include <QSize>

// Where the tree and the code pane go for a given client area. Figures are in twips
// (15 to a device-independent pixel), the unit the window was designed in.
class WorkspaceLayout
{
public:
    static constexpr int twipsPerPixel = 15;
    static constexpr int toolbarHeight = 810;
    static constexpr int statusBarHeight = 375;

    static constexpr QSize initialClient() { return {11535, 7140}; }
    // The designed minimum outer size less the frame of the designed window (240 x 480),
    // so that the minimum holds the same panes whatever frame the desktop draws.
    static constexpr QSize minimumClient() { return {11775 - 240, 3500 - 480}; }

    // The client size that gives the panes of the designed client size when the toolbar and
    // status bar are as high as the desktop draws them rather than as designed.
    static QSize clientFor(QSize designed, int toolbar, int statusBar);

    // Below the minimum the panes stay as they are at the minimum. The toolbar and status
    // bar heights are those the window really has. A message line of messageHeight goes under
    // the code pane, which gives up that height (at most half of it) while the line is shown;
    // the tree and the pane's top stay where they are.
    static WorkspaceLayout forClient(QSize client, int toolbar = toolbarHeight,
                                     int statusBar = statusBarHeight, int messageHeight = 0);

    static int toPixels(int twips);
    static QRect toPixels(const QRect& twips);
    static QSize toPixels(QSize twips);
    static int toTwips(int pixels) { return pixels * twipsPerPixel; }

    QRect tree; // in the client area, twips
    QRect code;
    QRect message; // empty when there is no message line
};
