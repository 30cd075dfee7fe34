#pragma once

#include "StageItem.h"

#include <QTransform>

// Where a transition takes (or brings) a display object: the object drawn at the target.
struct StageGhost
{
    StageItem item;       // the object as it stands before the transition
    QTransform transform; // maps the object onto the target
    qreal opacity = 1;    // the target alpha, 1 when the transition leaves it alone
    QPointF from;         // arrow tail
    QPointF to;           // arrow head; "from" transitions point at the object itself
};
