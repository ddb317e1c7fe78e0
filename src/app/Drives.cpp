#include "app/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tekvora::app {

namespace {

/// The deepest existing directory of an absolute path; empty when there is none.
QString existingPart(const QString &path)
{
    if (path.trimmed().isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    QFileInfo info(QDir::cleanPath(path));
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return {};
        info = QFileInfo(parent);
    }
    return info.absoluteFilePath();
}

bool isBelow(const QString &path, const QString &directory)
{
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

bool isNetworkFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> network{"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p",
                                           "afs", "ncpfs", "davfs", "fuse.davfs"};
    return network.contains(type);
}

} // namespace

DriveType driveType(const QString &path)
{
    if (path.trimmed().isEmpty())
        return DriveType::Unknown;
    const QString existing = existingPart(path);
    if (existing.isEmpty())
        return DriveType::NoRoot;
    const QStorageInfo storage(existing);
    if (!storage.isValid() || !storage.isReady())
        return DriveType::NoRoot;
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    for (const QString &removable : {QStringLiteral("/media"), QStringLiteral("/run/media"), QStringLiteral("/mnt")})
        if (isBelow(canonical, removable))
            return DriveType::Removable;
    if (isNetworkFileSystem(storage.fileSystemType()))
        return DriveType::Remote;
    return DriveType::Fixed;
}

bool driveUsable(const QString &path)
{
    const DriveType type = driveType(path);
    return type == DriveType::Removable || type == DriveType::Fixed || type == DriveType::Remote;
}

qint64 freeSpaceKiB(const QString &path)
{
    const QString existing = existingPart(path);
    if (existing.isEmpty())
        return -1;
    const QStorageInfo storage(existing);
    return storage.isValid() && storage.isReady() ? storage.bytesAvailable() / 1024 : -1;
}

} // namespace tekvora::app
