#include "GraphicsTarget.h"

#include "LuaTarget.h"
#include "LuaTargets.h"

#include <QSettings>

namespace {

const QString settingsKey = QStringLiteral("target");

} // namespace

GraphicsTarget::GraphicsTarget(QObject* parent) : QObject(parent)
{
    const QSettings settings;
    // A value from a later version that knows more targets, or one edited by hand, falls
    // back to the first target instead of failing.
    const LuaTarget* stored = LuaTargets::findKey(settings.value(settingsKey).toInt());
    m_api = stored ? stored->api() : LuaTargets::all().constFirst()->api();
}

void GraphicsTarget::setApi(GraphicsApi api)
{
    if (api == m_api)
        return;
    m_api = api;
    QSettings settings;
    settings.setValue(settingsKey, LuaTargets::find(api)->key());
    emit apiChanged(api);
}

QStringList GraphicsTarget::captions()
{
    QStringList list;
    for (const LuaTarget* target : LuaTargets::all())
        list << target->caption();
    return list;
}

int GraphicsTarget::indexOf(GraphicsApi api)
{
    const QList<const LuaTarget*> targets = LuaTargets::all();
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets.at(i)->api() == api)
            return int(i);
    }
    return 0;
}

GraphicsApi GraphicsTarget::apiAt(int index)
{
    const QList<const LuaTarget*> targets = LuaTargets::all();
    return targets.value(index, targets.constFirst())->api();
}

QString GraphicsTarget::toolTip()
{
    return QStringLiteral("Solar2D (Graphics 2.0) for projects made today; Corona (Graphics 1.0) only for "
                          "old projects that keep graphicsCompatibility = 1 in config.lua");
}
