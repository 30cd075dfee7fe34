#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Points QSettings at a place of this test process's own and empties it, so that no test reads
// or writes the user's settings, test programs running side by side do not share theirs, and
// every run starts as a first start. Call before any window exists.
inline void useTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillet"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    static QTemporaryDir place;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, place.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, place.path());
    QSettings().clear();
}
