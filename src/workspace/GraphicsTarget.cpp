#include "GraphicsTarget.h"

#include <QSettings>

namespace {

const QString settingsKey = QStringLiteral("target");

// Stored as the API's number; anything but 1 (nothing stored yet, a later version's API, a
// hand-edited value) means today's engine.
int storedNumber(GraphicsApi api)
{
    return api == GraphicsApi::V2 ? 2 : 1;
}

} // namespace

GraphicsTarget::GraphicsTarget(QObject* parent) : QObject(parent)
{
    const QSettings settings;
    m_api = settings.value(settingsKey).toInt() == 1 ? GraphicsApi::V1 : GraphicsApi::V2;
}

void GraphicsTarget::setApi(GraphicsApi api)
{
    if (api == m_api)
        return;
    m_api = api;
    QSettings settings;
    settings.setValue(settingsKey, storedNumber(api));
    emit apiChanged(api);
}

QStringList GraphicsTarget::captions()
{
    return {QStringLiteral("Corona (Graphics 1.0)"), QStringLiteral("Solar2D (Graphics 2.0)")};
}

int GraphicsTarget::indexOf(GraphicsApi api)
{
    return api == GraphicsApi::V2 ? 1 : 0;
}

GraphicsApi GraphicsTarget::apiAt(int index)
{
    return index == 1 ? GraphicsApi::V2 : GraphicsApi::V1;
}

QString GraphicsTarget::toolTip()
{
    return QStringLiteral("Solar2D (Graphics 2.0) for projects made today; Corona (Graphics 1.0) only for "
                          "old projects that keep graphicsCompatibility = 1 in config.lua");
}
