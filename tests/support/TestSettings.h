#pragma once

#include <QSettings>

// Every test program already has settings of its own before main runs (tests/isolation); this
// empties them, so that the next window starts as on the very first run.
inline void useTestSettings()
{
    QSettings().clear();
}
