#pragma once

#include <QList>
#include <QSize>
#include <QString>

// A device's content area in Corona's content units, portrait or landscape.
class StageScreen
{
public:
    // A named portrait size; the first preset is Corona's classic 320 x 480 content area.
    struct Preset
    {
        QString name;
        int width;
        int height;
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
    // "iPhone 320 × 480": the name and the size in the chosen orientation.
    QString caption() const;

    bool operator==(const StageScreen&) const = default;

private:
    int m_preset = 0;
    bool m_landscape = false;
};
