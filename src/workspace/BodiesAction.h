#pragma once

#include <QAction>

class StageView;

// View > Show Physics Bodies: outlines the bodies on the stage; on at the first start, then
// as the user left it.
class BodiesAction : public QAction
{
    Q_OBJECT
public:
    BodiesAction(StageView* view, QObject* parent);
};
