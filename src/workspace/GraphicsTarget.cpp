#include "GraphicsTarget.h"

#include "LuaTarget.h"
#include "LuaTargets.h"

#include <QComboBox>
#include <QSettings>

namespace {

const QString settingsKey = QStringLiteral("target");

} // namespace

GraphicsTarget::GraphicsTarget(QObject* parent) : QObject(parent)
{
    const QSettings settings;
    // Nothing stored yet, a later version's target or a hand-edited value: today's engine.
    const LuaTarget* stored = LuaTargets::findKey(settings.value(settingsKey).toInt());
    m_api = stored ? stored->api() : LuaTargets::forCompatibility(0).api();
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

QComboBox* GraphicsTarget::createChooser()
{
    auto* chooser = new QComboBox;
    chooser->setObjectName(QStringLiteral("cboTarget"));
    chooser->addItems(captions());
    chooser->setCurrentIndex(indexOf(m_api));
    chooser->setToolTip(toolTip());
    connect(chooser, &QComboBox::currentIndexChanged, this, [this](int index) { setApi(apiAt(index)); });
    return chooser;
}
