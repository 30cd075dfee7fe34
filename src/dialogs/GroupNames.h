#pragma once

#include <QStringList>

#include <functional>

// The names the display editor's parent group field completes: the groups of the workspace
// being edited, as the main window reports them.
namespace GroupNames {

void setSource(std::function<QStringList()> source);
// Empty without a source.
QStringList current();

} // namespace GroupNames
