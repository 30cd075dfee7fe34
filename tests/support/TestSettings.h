#pragma once

#include "RecoveryStore.h"

#include <QDir>
#include <QSettings>

// Every test program already has settings and a data folder of its own before main runs
// (tests/isolation); this empties them, so that the next window starts as on the very first
// run: no remembered settings, no recovery copy to restore.
inline void useTestSettings()
{
    QSettings().clear();
    QDir(RecoveryStore::defaultFolder()).removeRecursively();
}
