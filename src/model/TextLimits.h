#pragma once

#include <QtGlobal>

// The longest texts an object holds, in UTF-16 code units: a name (variable name, parent
// group, listener, font, property name) and any other text. Files and editors hold the same.
namespace TextLimits {

constexpr qsizetype name = 255;
constexpr qsizetype text = 65536;

} // namespace TextLimits
