#include "ProjectSession.h"

#include "ConfigReader.h"
#include "ContentArea.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <utility>

ProjectSession::ProjectSession(QObject* parent)
    : QObject(parent), m_reader(new ConfigReader(this)), m_watcher(new QFileSystemWatcher(this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(&m_settle, &QTimer::timeout, this, &ProjectSession::readIfChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(m_reader, &ConfigReader::finished, this, &ProjectSession::apply);
    m_context = ContentArea::contextFor(m_config, m_device, m_landscape, QString());
}

bool ProjectSession::isReading() const
{
    return m_reader->isReading() || m_settle.isActive();
}

void ProjectSession::setFolder(const QString& folder, bool again)
{
    const QString absolute = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
    if (absolute == m_folder && !absolute.isEmpty() && !again)
        return;
    m_folder = absolute;
    m_tying = !absolute.isEmpty();
    read();
}

void ProjectSession::setDevice(const DeviceProfile& device, bool landscape)
{
    const bool other = device != m_device;
    m_device = device;
    m_landscape = landscape;
    // Shown at once with what was last read; a config that asks for the pixels follows.
    update();
    if (other && !m_folder.isEmpty())
        read();
}

void ProjectSession::read()
{
    m_settle.stop();
    if (m_folder.isEmpty()) {
        m_reader->stop();
        apply(GameConfig::newProjectTemplate());
        return;
    }
    watch();
    m_stamp = filesStamp();
    m_reader->start(m_folder, m_device);
}

void ProjectSession::readIfChanged()
{
    // A workspace saved in the game's folder must not turn the stage back as build.settings says.
    if (!m_folder.isEmpty() && filesStamp() != m_stamp)
        read();
}

QString ProjectSession::filesStamp() const
{
    QString stamp;
    for (const char* name : {"config.lua", "build.settings"}) {
        const QFileInfo file(QDir(m_folder).filePath(QLatin1String(name)));
        stamp += QStringLiteral("%1:%2:%3;")
                     .arg(file.exists())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    }
    return stamp;
}

void ProjectSession::watch()
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    const QDir dir(m_folder);
    QStringList paths{m_folder};
    for (const char* name : {"config.lua", "build.settings"}) {
        if (QFileInfo::exists(dir.filePath(QLatin1String(name))))
            paths.append(dir.filePath(QLatin1String(name)));
    }
    if (dir.exists())
        m_watcher->addPaths(paths);
}

void ProjectSession::apply(const GameConfig& config)
{
    m_config = config;
    if (!m_folder.isEmpty()) {
        // The game starts as build.settings says, until the user turns the stage.
        m_landscape = config.landscape;
        watch(); // a file saved by replacement is a new file to watch
    }
    update();
    if (m_folder.isEmpty())
        return;
    emit configRead(config);
    // Without a config.lua that ran there is nothing to take the target from.
    if (std::exchange(m_tying, false) && config.configRan)
        emit tied(config);
}

void ProjectSession::update()
{
    const ProjectContext context = ContentArea::contextFor(m_config, m_device, m_landscape, m_folder);
    if (context == m_context)
        return;
    m_context = context;
    emit contextChanged(context);
}
