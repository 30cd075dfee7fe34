#pragma once

#include <QString>

// Where a workspace's game is when the user made no choice.
namespace ProjectFolder {

// Folders looked at: the workspace file's own and its parents, this many in all.
constexpr int searchDepth = 8;

// The nearest folder holding main.lua, from the file's folder upwards; empty when none.
QString findFor(const QString& workspaceFile);

} // namespace ProjectFolder
