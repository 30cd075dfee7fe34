#pragma once

#include <QString>

// Text routines shared by the generators and the editors.
namespace mdlBrowsePath {

// The text between two double quotes, so that Lua reads it as one string. Users type Lua
// escapes on purpose, so only what would end the string early is escaped: a quote that no
// backslash escapes, and an odd backslash at the end.
QString QuoteText(const QString& text);

// The trimmed text after the path's last "\" or "/"; a path ending in a separator gives "".
QString FileNameFromPath(const QString& path);

} // namespace mdlBrowsePath
