#pragma once

#include "DeviceProfile.h"
#include "GameConfig.h"

#include <QObject>
#include <QTimer>

class QProcess;

// Runs a game's config.lua and build.settings in the reader process, which is killed after
// two seconds. One read at a time: starting another drops the one under way.
class ConfigReader : public QObject
{
    Q_OBJECT
public:
    static constexpr int timeLimitMs = 2000;

    explicit ConfigReader(QObject* parent = nullptr);
    ~ConfigReader() override;

    void start(const QString& folder, const DeviceProfile& device);
    // Drops the read under way, if any, without an answer.
    void stop() { cancel(); }
    bool isReading() const { return m_process != nullptr; }
    // Waits for the answer; for tests and tools.
    static GameConfig readNow(const QString& folder, const DeviceProfile& device);
    // The reader program: installed beside Quillet, or in the build tree.
    static QString programPath();

signals:
    void finished(const GameConfig& config);

private:
    static QStringList arguments(const QString& folder, const DeviceProfile& device);
    void finish();
    void cancel();

    QProcess* m_process = nullptr;
    QTimer m_clock;
    bool m_stopped = false;
};
