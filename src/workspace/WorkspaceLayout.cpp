#include "WorkspaceLayout.h"

#include <algorithm>

namespace {
// The design's fixed figures: tree left and width, code pane left, the gaps around the panes.
constexpr int treeLeft = 120;
constexpr int treeWidth = 4455;
constexpr int codeLeft = 4680;
constexpr int rightGap = 120;
constexpr int gapBelowToolbar = 30;
constexpr int gapAboveStatusBar = 150;
constexpr int gapAboveMessage = 30;
} // namespace

QSize WorkspaceLayout::clientFor(QSize designed, int toolbar, int statusBar)
{
    return designed + QSize(0, toolbar - toolbarHeight + statusBar - statusBarHeight);
}

WorkspaceLayout WorkspaceLayout::forClient(QSize client, int toolbar, int statusBar, int messageHeight)
{
    const QSize minimum = clientFor(minimumClient(), toolbar, statusBar);
    const int width = std::max(client.width(), minimum.width());
    const int height = std::max(client.height(), minimum.height());
    const int top = toolbar + gapBelowToolbar;
    const int paneHeight = height - top - statusBar - gapAboveStatusBar;

    WorkspaceLayout layout;
    layout.tree = QRect(treeLeft, top, treeWidth, paneHeight);
    layout.code = QRect(codeLeft, top, width - codeLeft - rightGap, paneHeight);
    if (messageHeight > 0) {
        const int message = std::min(messageHeight, paneHeight / 2 - gapAboveMessage);
        layout.code.setHeight(paneHeight - message - gapAboveMessage);
        layout.message =
            QRect(codeLeft, layout.code.bottom() + 1 + gapAboveMessage, layout.code.width(), message);
    }
    return layout;
}

int WorkspaceLayout::toPixels(int twips)
{
    // Round to the nearest pixel: 3020 twips are 201.3 pixels.
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

QRect WorkspaceLayout::toPixels(const QRect& twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height()));
}

QSize WorkspaceLayout::toPixels(QSize twips)
{
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}
