#pragma once

#include <QString>

namespace tekvora::app {

/// What kind of storage a path lies on.
enum class DriveType {
    Unknown,   ///< blank path
    NoRoot,    ///< not absolute, or nothing of it lies on a mounted file system
    Removable, ///< below /media, /run/media or /mnt
    Fixed,
    Remote,    ///< a network file system
};

DriveType driveType(const QString &path);
/// True when the path is absolute and its existing part lies on a removable, fixed or network file system.
bool driveUsable(const QString &path);
/// Free kilobytes of the file system the path lies on; -1 when it has none.
qint64 freeSpaceKiB(const QString &path);

} // namespace tekvora::app
