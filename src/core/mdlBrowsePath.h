#pragma once

#include <QString>

// Text routines shared by the generators and the editors.
namespace mdlBrowsePath {

// The text between two double quotes, nothing escaped: users type Lua escapes on purpose.
QString QuoteText(const QString& text);

// The trimmed text after the path's last "\" or "/"; a path ending in a separator gives "".
QString FileNameFromPath(const QString& path);

} // namespace mdlBrowsePath
