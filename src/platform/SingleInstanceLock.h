#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tekvora::platform {

/// Per-user guard against a second copy: a lock file named after the lock name ("Tekvora " +
/// version) in the settings directory. The same name excludes, another name does not; the lock
/// of a copy that ended without releasing it is taken over.
class SingleInstanceLock
{
public:
    SingleInstanceLock(const QString &directory, const QString &name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    /// False when another running copy holds the lock (or the directory cannot hold a lock file).
    bool tryAcquire();
    void release();
    bool isHeld() const;
    QString lockFilePath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tekvora::platform
