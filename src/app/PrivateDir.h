#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tekvora::app {

/// The private work directory of this process, Privates/Priv0001, Priv0002, ... A lock file
/// inside marks it as used: a directory a running copy holds is skipped, one left by an ended
/// copy (its lock is stale) is emptied and taken.
class PrivateDir
{
public:
    PrivateDir();
    ~PrivateDir();
    PrivateDir(const PrivateDir &) = delete;
    PrivateDir &operator=(const PrivateDir &) = delete;

    /// Takes the first free Privnnnn below `privatesDir`; keeps the one held already.
    bool acquire(const QString &privatesDir);
    void release();

    bool isHeld() const { return !m_path.isEmpty(); }
    /// The directory held, ending with "/"; empty when none.
    const QString &path() const { return m_path; }

    /// Name of the lock file inside a private directory.
    static QString lockFileName();

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};

} // namespace tekvora::app
