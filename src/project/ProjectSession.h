#pragma once

#include "DeviceProfile.h"
#include "GameConfig.h"
#include "ProjectContext.h"

#include <QObject>
#include <QTimer>

class ConfigReader;
class QFileSystemWatcher;

// The game behind the stage: reads its config.lua and build.settings when the folder is tied,
// when either file changes on disk and when the device changes, and maps its content area onto
// the device. Without a folder it uses Solar2D's new-project template.
class ProjectSession : public QObject
{
    Q_OBJECT
public:
    explicit ProjectSession(QObject* parent = nullptr);

    // Empty unties the game. again: a workspace opened anew ties even the same folder again.
    void setFolder(const QString& folder, bool again = false);
    QString folder() const { return m_folder; }
    // Another device reads the files again, as a config may ask for its pixels; turning the
    // same device only maps the content area again.
    void setDevice(const DeviceProfile& device, bool landscape);
    const ProjectContext& context() const { return m_context; }
    const GameConfig& config() const { return m_config; }
    bool isReading() const;

signals:
    void contextChanged(const ProjectContext& context);
    // After each read of a folder's files.
    void configRead(const GameConfig& config);
    // After the first read of a newly tied folder, when its config.lua ran.
    void tied(const GameConfig& config);

private:
    void read();
    // After a change in the folder: only a change to the game's two files is worth a read.
    void readIfChanged();
    // The two files' sizes and times, to tell their changes from the folder's others.
    QString filesStamp() const;
    void apply(const GameConfig& config);
    void update();
    void watch();

    QString m_folder;
    QString m_stamp;
    DeviceProfile m_device;
    bool m_landscape = false;
    bool m_tying = false;
    GameConfig m_config = GameConfig::newProjectTemplate();
    ProjectContext m_context;
    ConfigReader* m_reader = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer m_settle; // editors save in several steps; read once they are done
};
