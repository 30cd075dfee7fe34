#include "ConfigReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

const QString programName = QStringLiteral("quillet-config-reader");

// Started with no input, from a folder that is always there: a game folder that has just gone
// reads as one without files.
void prepare(QProcess& process, const QStringList& arguments)
{
    process.setProgram(ConfigReader::programPath());
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setWorkingDirectory(QDir::rootPath());
}

GameConfig answerOf(QProcess& process, bool stopped)
{
    if (process.error() == QProcess::FailedToStart) {
        GameConfig config;
        config.configProblem = QStringLiteral("config.lua: cannot start ") + process.program();
        return config;
    }
    const bool crashed = process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0;
    return GameConfig::fromReaderOutput(process.readAllStandardOutput(), stopped, crashed);
}

} // namespace

ConfigReader::ConfigReader(QObject* parent) : QObject(parent)
{
    m_clock.setSingleShot(true);
    m_clock.setInterval(timeLimitMs);
    connect(&m_clock, &QTimer::timeout, this, [this] {
        if (!m_process)
            return;
        m_stopped = true;
        m_process->kill();
    });
}

ConfigReader::~ConfigReader()
{
    cancel();
}

QString ConfigReader::programPath()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString installDir = QStringLiteral(QUILLET_READER_INSTALL_DIR);
    const QStringList candidates{
        QDir::isAbsolutePath(installDir)
            ? QDir(installDir).filePath(programName)
            : QDir(here).filePath(QStringLiteral("../") + installDir + QLatin1Char('/') + programName),
        QDir(here).filePath(programName),
        QStringLiteral(QUILLET_READER_BUILD_PATH),
    };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isExecutable())
            return QDir::cleanPath(path);
    }
    return candidates.constFirst();
}

QStringList ConfigReader::arguments(const QString& folder, const DeviceProfile& device)
{
    return {QDir(folder).absolutePath(), QString::number(device.pixels.width()),
            QString::number(device.pixels.height()),
            device.android ? QStringLiteral("android") : QStringLiteral("ios"), device.name};
}

void ConfigReader::start(const QString& folder, const DeviceProfile& device)
{
    cancel();
    m_stopped = false;
    m_process = new QProcess(this);
    prepare(*m_process, arguments(folder, device));
    connect(m_process, &QProcess::finished, this, &ConfigReader::finish);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish();
    });
    m_process->start();
    m_clock.start();
}

void ConfigReader::finish()
{
    QProcess* process = m_process;
    if (!process)
        return;
    m_process = nullptr;
    m_clock.stop();
    const GameConfig config = answerOf(*process, m_stopped);
    process->disconnect(this);
    process->deleteLater();
    emit finished(config);
}

void ConfigReader::cancel()
{
    m_clock.stop();
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(1000);
    delete m_process;
    m_process = nullptr;
}

GameConfig ConfigReader::readNow(const QString& folder, const DeviceProfile& device)
{
    QProcess process;
    prepare(process, arguments(folder, device));
    process.start();
    bool stopped = false;
    if (process.waitForStarted() && !process.waitForFinished(timeLimitMs)) {
        stopped = true;
        process.kill();
        process.waitForFinished();
    }
    return answerOf(process, stopped);
}
