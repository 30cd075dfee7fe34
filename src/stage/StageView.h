#pragma once

#include "StagePainter.h"
#include "StageScreen.h"

#include <QAbstractScrollArea>

// The stage: the workspace's display objects on a device screen, scaled to fit (Ctrl+wheel
// zooms). A click selects the topmost object; dragging or the arrow keys ask for a move, which
// the owner carries out and hands back through setObjects.
class StageView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit StageView(QWidget* parent = nullptr);

    void setObjects(const QList<const ModelObject*>& objects);
    void setScreen(const StageScreen& screen);
    StageScreen screen() const { return m_screen; }
    void setProject(const ProjectContext& project);
    // The game's pictures, drawn in place of the image placeholders; the view follows changes.
    void setPictures(PictureLibrary* library);
    // Any object's position in the collection, 0 for none.
    void setSelectedPosition(qsizetype position);
    qsizetype selectedPosition() const { return m_painter.selected(); }

    // Whether physics bodies are outlined.
    void setShowBodies(bool shown);

    // Zoom relative to the size that fits the screen into the view.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    // Zoom 1 with the whole device screen in view; it lasts through resizes and other screens
    // until the next zoom.
    void fit();
    // Pixels per content unit.
    qreal scale() const;
    // Between content units and viewport pixels.
    QPointF mapFromContent(const QPointF& point) const;
    QPointF mapToContent(const QPointF& point) const;

    // What would be painted; for the owner's checks and the tests.
    const StagePainter& stagePainter() const { return m_painter; }

signals:
    void objectClicked(qsizetype position);
    // A double-click: the object is to be opened in its editor.
    void objectActivated(qsizetype position);
    // Whole numbers: where the object's x and y go.
    void moveRequested(qsizetype position, qint32 newX, qint32 newY);
    // Objects wholly outside the screen, and those that reach past its edge.
    void outsideChanged(int outside, int reaching);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QRectF scene() const;
    QPointF origin() const;
    // The viewport's size once the scroll bars the scene needs are shown.
    QSize room() const;
    void updateScrollBars();
    void centreScreen();
    void announceOutside();
    void endDrag();
    void requestMove(qsizetype position, QPoint delta);

    StagePainter m_painter;
    StageScreen m_screen;
    qreal m_zoom = 1;
    bool m_fitted = true;    // no zoom of the user's since the last fit
    qsizetype m_pressed = 0; // display object under the last press
    QPointF m_pressPoint;    // in content units
    QPoint m_pressPixel;
    bool m_dragging = false;
    QPoint m_dragDelta;
    std::pair<int, int> m_lastOutside{0, 0};
};
