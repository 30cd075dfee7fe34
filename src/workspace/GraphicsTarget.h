#pragma once

#include "GraphicsApi.h"

#include <QObject>

class QComboBox;
#include <QStringList>

// The graphics API that every snippet of the window is written for, remembered across runs
// in the settings of Quillet/Quillet. The first start writes for Graphics 2.0.
class GraphicsTarget : public QObject
{
    Q_OBJECT
public:
    explicit GraphicsTarget(QObject* parent = nullptr);

    GraphicsApi api() const { return m_api; }
    // Stores the choice; apiChanged follows only a real change.
    void setApi(GraphicsApi api);

    // The drop-down's entries, Graphics 1.0 first, and the positions of the APIs in it.
    static QStringList captions();
    static int indexOf(GraphicsApi api);
    static GraphicsApi apiAt(int index);
    static QString toolTip();
    // The toolbar's drop-down: the table's captions, the current choice, and choosing through it.
    QComboBox* createChooser();

Q_SIGNALS:
    void apiChanged(GraphicsApi api);

private:
    GraphicsApi m_api = GraphicsApi::V2;
};
