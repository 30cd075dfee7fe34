#include "BodiesAction.h"

#include "StageView.h"

#include <QSettings>

namespace {

const QString shownKey = QStringLiteral("stage/bodies");

} // namespace

BodiesAction::BodiesAction(StageView* view, QObject* parent)
    : QAction(QStringLiteral("Show Physics &Bodies"), parent)
{
    setObjectName(QStringLiteral("actShowBodies"));
    setCheckable(true);
    setChecked(QSettings().value(shownKey, true).toBool());
    view->setShowBodies(isChecked());
    connect(this, &QAction::toggled, view, [view](bool shown) {
        view->setShowBodies(shown);
        QSettings().setValue(shownKey, shown);
    });
}
