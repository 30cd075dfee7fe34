#pragma once

#include "DeviceProfile.h"
#include "GameConfig.h"
#include "ProjectContext.h"

#include <QHash>

// How the engine maps a game's content area onto a device screen: the scale mode, the content
// size, the alignment and the orientation, as config.lua and build.settings set them.
namespace ContentArea {

// folder: the game's folder, empty for the new-project template.
ProjectContext contextFor(const GameConfig& config, const DeviceProfile& device, bool landscape,
                          const QString& folder);
// The value each of the engine's screen names (display.contentWidth...) takes.
QHash<QString, double> screenValues(const ProjectContext& context);
// "MyGame: content 320 × 480, letterbox, Graphics 2.0", or the template's line without a folder.
QString caption(const ProjectContext& context);

} // namespace ContentArea
