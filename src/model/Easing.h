#pragma once

#include <QStringList>

// The functions of the engine's easing library a transition may name; "" stands for
// linear, the engine's default, which the table leaves out.
namespace Easing {

// "linear" first, then every function by its name.
const QStringList& names();
bool isKnown(const QString& name);

} // namespace Easing
