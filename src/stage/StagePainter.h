#pragma once

#include "clsDisplay.h"
#include "ContentArea.h"
#include "ProjectContext.h"
#include "StageItem.h"
#include "StagePictures.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QSize>

#include <vector>

class QPainter;

// Paints a workspace's display objects on a device screen, in collection order, plus what the
// selected object needs: an outline, a transition's target or a mock alert. The painter's
// transform maps content units to pixels.
class StagePainter
{
public:
    static const QColor screenColour;
    static const QColor outsideColour;
    static const QColor selectionColour;
    static const QColor placeholderColour;
    static const QColor contentEdgeColour;

    // The objects must outlive the painter's use of them; call again after every change.
    void setObjects(const QList<const ModelObject*>& objects);
    const QList<const ModelObject*>& objects() const { return m_objects; }
    const std::vector<StageItem>& items() const { return m_items; }
    // The item of the display object at position (1..count), or nullptr.
    const StageItem* itemAt(qsizetype position) const;

    // The game the objects belong to: its content area, the device screen in content units,
    // and its pictures.
    void setProject(const ProjectContext& project);
    const ProjectContext& project() const { return m_project; }
    QRectF screen() const { return m_project.screenInContent; }
    // The game's pictures; images keep their placeholders without them.
    void setPictures(PictureLibrary* library) { m_pictures.setLibrary(library); }
    const StagePictures& pictures() const { return m_pictures; }
    // Lays the images out again after their files changed; with decodedOnly, after pictures were
    // decoded, which changes only an Image's size.
    void refreshPictures(bool decodedOnly = false);
    // Any object's position, 0 for none.
    void setSelected(qsizetype position) { m_selected = position; }
    qsizetype selected() const { return m_selected; }
    // Draws the object at position shifted by offset: the live preview of a drag.
    void setDragOffset(qsizetype position, const QPointF& offset);

    // Whether physics bodies are outlined over their objects.
    void setShowBodies(bool shown) { m_showBodies = shown; }
    bool showBodies() const { return m_showBodies; }

    // Display objects wholly outside the device screen, and those partly in it.
    int outsideCount() const { return m_outside; }
    int reachingCount() const { return m_reaching; }
    // The topmost display object under the point, 0 for none.
    qsizetype objectAt(const QPointF& point, qreal tolerance) const;
    // Everything the objects cover, the screen included.
    QRectF extent() const;

    // Paints the area, given in content units. pixel: content units per device pixel, for
    // lines and marks that keep their width at every zoom.
    void paint(QPainter& painter, const QRectF& area, qreal pixel = 1) const;

private:
    void paintItem(QPainter& painter, const StageItem& item, qreal pixel) const;
    void paintShape(QPainter& painter, const StageItem& item, qreal pixel) const;
    void paintGroupMark(QPainter& painter, const StageItem& item, qreal pixel) const;
    void paintOutline(QPainter& painter, const StageItem& item, qreal pixel) const;
    void paintGhost(QPainter& painter, qreal pixel) const;
    void paintAlert(QPainter& painter) const;
    void recount();
    bool isDragged(const StageItem& item) const;
    StageItem makeItem(const clsDisplay& display, qsizetype position) const;

    QList<const ModelObject*> m_objects;
    std::vector<StageItem> m_items;
    std::vector<clsDisplay> m_looks;    // what each item was made from, to reuse it after a change
    std::vector<qsizetype> m_itemIndex; // by position: index into m_items, -1 for other kinds
    ProjectContext m_project;
    // What the screen's names read on the shown device.
    QHash<QString, double> m_screenValues = ContentArea::screenValues(ProjectContext());
    StagePictures m_pictures;
    qsizetype m_selected = 0;
    qsizetype m_dragged = 0;
    QPointF m_dragOffset;
    int m_outside = 0;
    int m_reaching = 0;
    QFont m_placeholderFont;
    bool m_smooth = true;
    bool m_showBodies = true;
};
