#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// The folder of recovery copies that every Quillet process of the user shares. Each copy
// "<id>.quillet-recovery" lies beside "<id>.lock", which the process that writes it holds
// while it runs: a copy whose lock nobody holds belongs to a process that has gone.
class RecoveryStore
{
public:
    static constexpr const char* suffix = ".quillet-recovery";

    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore(); // gives the lock up; the copy stays for a later start

    // The desktop's data folder for Quillet + "/recovery".
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // Takes over the newest copy whose owner has gone, under this store's lock, and returns
    // its path; empty when no copy waits. It is this store's own copy from then on.
    // Copies listed in skip are passed over.
    QString claimNewestOrphan(const QStringList& skip = {});
    // This store's own copy, under a lock taken now if none is held; empty, with the reason
    // in error, when the folder or the lock cannot be made.
    QString ownCopy(QString* error);
    // A copy that cannot be read: renamed to end in ".broken", never deleted, and given up.
    // Returns the new name, or the old one when even the rename fails.
    QString setAside(const QString& path);

private:
    bool lock(const QString& copyPath);
    void release();

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
