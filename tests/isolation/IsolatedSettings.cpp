// Linked into every test and benchmark program: before main runs, settings and standard
// locations are pointed away from the user's own, so no program of the suite can read or
// change them, whatever its test does or forgets to do.
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void isolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillet"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    // A folder of this process's own: programs running side by side do not share settings.
    static QTemporaryDir place;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, place.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, place.path());
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(isolateSettings)
