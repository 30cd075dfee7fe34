#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

// Points QSettings at a test-only place and empties it, so that no test reads or writes the
// user's own settings and every run starts as a first start. Call before any window exists.
inline void useTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillet"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    QSettings().clear();
}
