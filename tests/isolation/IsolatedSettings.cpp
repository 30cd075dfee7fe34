// Linked into every test and benchmark program: before main runs, settings and standard
// locations are pointed away from the user's own, so no program of the suite can read or
// change them, whatever its test does or forgets to do.
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Set for the programs a test starts, so that they share its data folder.
constexpr const char* homeVariable = "QUILLET_TEST_HOME";

void isolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillet"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    // Folders of this process's own: programs running side by side share neither settings
    // nor data (recovery copies), and the standard locations all lie under its home.
    static QTemporaryDir settings;
    static QTemporaryDir place;
    QString home = qEnvironmentVariable(homeVariable);
    if (home.isEmpty()) {
        home = place.path();
        qputenv(homeVariable, QFile::encodeName(home));
    }
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!settings.isValid() || !place.isValid() ||
        !data.startsWith(QDir(home).absolutePath() + QLatin1Char('/')))
        qFatal("The test's data folder %s lies outside its own place %s", qPrintable(data), qPrintable(home));
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(isolateSettings)
