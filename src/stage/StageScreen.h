#pragma once

#include "DeviceProfile.h"

#include <QList>
#include <QMargins>
#include <QSize>
#include <QString>

// A device's content area in Corona's content units, portrait or landscape.
class StageScreen
{
public:
    // A named portrait device: its size in points (iOS) or dp (Android), and in pixels. The
    // first preset is the first iPhone's 320 x 480 screen.
    struct Preset
    {
        QString name;
        int width;
        int height;
        int pixelWidth;
        int pixelHeight;
        bool android = false;
        QMargins insets{}; // the safe area's, in pixels, portrait then landscape
        QMargins landscapeInsets{};
    };
    static const QList<Preset>& presets();
    // The index of the preset with that name, or -1.
    static int presetIndex(const QString& name);

    StageScreen() = default;
    StageScreen(int presetIndex, bool landscape);

    int presetIndex() const { return m_preset; }
    bool isLandscape() const { return m_landscape; }
    QString name() const { return presets().at(m_preset).name; }
    // Width and height as the app sees them: swapped in landscape.
    QSize size() const;
    // "iPhone 14 1170 × 2532": the name and the pixels in the chosen orientation.
    QString caption() const;
    // The preset's portrait sizes, for the game's config.
    DeviceProfile device() const;
    // The chooser's entry: the name and the portrait pixels.
    static QString presetCaption(const Preset& preset);

    bool operator==(const StageScreen&) const = default;

private:
    int m_preset = 0;
    bool m_landscape = false;
};
