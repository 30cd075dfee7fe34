#include "StageScreen.h"

const QList<StageScreen::Preset>& StageScreen::presets()
{
    static const QList<Preset> list{
        {QStringLiteral("Classic"), 320, 480, 320, 480},
        {QStringLiteral("iPhone 5"), 320, 568, 640, 1136},
        {QStringLiteral("iPhone 8"), 375, 667, 750, 1334},
        // Apple's published safe area: 47 points above and 34 below, 47 beside and 21 below sideways.
        {QStringLiteral("iPhone 14"), 390, 844, 1170, 2532, false, {0, 141, 0, 102}, {141, 0, 141, 63}},
        {QStringLiteral("Android phone"), 360, 640, 1080, 1920, true},
        {QStringLiteral("Android phone, tall"), 360, 800, 1080, 2400, true},
        {QStringLiteral("iPad"), 768, 1024, 1536, 2048},
        {QStringLiteral("iPad Pro 11\""), 834, 1194, 1668, 2388},
        {QStringLiteral("Android tablet"), 800, 1280, 1600, 2560, true},
        // The engine's own notched skins, with their insets.
        {QStringLiteral("iPhone X"), 375, 812, 1125, 2436, false, {0, 132, 0, 102}, {132, 0, 132, 63}},
        {QStringLiteral("Galaxy S21"), 360, 800, 1080, 2400, true, {0, 90, 0, 90}, {90, 0, 90, 0}},
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
    const Preset& preset = presets().at(m_preset);
    const QSize pixels = m_landscape ? QSize(preset.pixelHeight, preset.pixelWidth)
                                     : QSize(preset.pixelWidth, preset.pixelHeight);
    return QStringLiteral("%1 %2 \u00d7 %3").arg(name()).arg(pixels.width()).arg(pixels.height());
}

QString StageScreen::presetCaption(const Preset& preset)
{
    return QStringLiteral("%1 %2 \u00d7 %3").arg(preset.name).arg(preset.pixelWidth).arg(preset.pixelHeight);
}

DeviceProfile StageScreen::device() const
{
    const Preset& preset = presets().at(m_preset);
    return {preset.name,
            QSize(preset.width, preset.height),
            QSize(preset.pixelWidth, preset.pixelHeight),
            preset.android,
            preset.insets,
            preset.landscapeInsets};
}
