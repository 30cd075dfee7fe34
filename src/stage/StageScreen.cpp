#include "StageScreen.h"

const QList<StageScreen::Preset>& StageScreen::presets()
{
    static const QList<Preset> list{
        {QStringLiteral("Classic"), 320, 480},         {QStringLiteral("iPhone 5"), 320, 568},
        {QStringLiteral("iPhone 8"), 375, 667},        {QStringLiteral("iPhone 14"), 390, 844},
        {QStringLiteral("Android phone"), 360, 640},   {QStringLiteral("Android phone, tall"), 360, 800},
        {QStringLiteral("iPad"), 768, 1024},           {QStringLiteral("iPad Pro 11\""), 834, 1194},
        {QStringLiteral("Android tablet"), 800, 1280},
    };
    return list;
}

int StageScreen::presetIndex(const QString& name)
{
    const QList<Preset>& list = presets();
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).name == name)
            return i;
    }
    return -1;
}

StageScreen::StageScreen(int presetIndex, bool landscape)
    : m_preset(presetIndex >= 0 && presetIndex < presets().size() ? presetIndex : 0), m_landscape(landscape)
{
}

QSize StageScreen::size() const
{
    const Preset& preset = presets().at(m_preset);
    return m_landscape ? QSize(preset.height, preset.width) : QSize(preset.width, preset.height);
}

QString StageScreen::caption() const
{
    const QSize s = size();
    return QStringLiteral("%1 %2 \u00d7 %3").arg(name()).arg(s.width()).arg(s.height());
}
