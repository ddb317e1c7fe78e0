#pragma once

#include <QString>

namespace tekvora::db {

/// Marks this process as attached to a data directory for as long as it lives: a small file in the
/// directory held under an exclusive lock. The operating system drops the lock when the process ends,
/// however it ends, so a crashed copy no longer counts.
class SessionMarker
{
public:
    explicit SessionMarker(const QString &dataDir);
    ~SessionMarker();
    SessionMarker(const SessionMarker &) = delete;
    SessionMarker &operator=(const SessionMarker &) = delete;

    bool isHeld() const { return m_fd >= 0; }

private:
    QString m_path;
    int m_fd = -1;
};

/// The number of running copies attached to the data directory (this one included); marks of ended
/// copies are removed on the way.
int connectedUsers(const QString &dataDir);

} // namespace tekvora::db
