#include "backup/FileUtils.h"

#include "app/DeletionGuard.h"
#include "app/Drives.h"
#include "app/ProgressSink.h"
#include "app/UserPrompt.h"
#include "backup/FileUtilsTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace tekvora::backup {

namespace {

constexpr qint64 kChunkSize = 32 * 1024;

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QFileInfoList entriesOf(const QString &dir, QDir::Filters kinds, const QStringList &masks = {})
{
    return QDir(dir).entryInfoList(masks, kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                   QDir::Name | QDir::DirsFirst);
}

// A symbolic link counts as a file: walks remove the link and never enter what it points to.
bool isRealDir(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

// errno of the unlink, 0 when the file is gone.
int removeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink() && isWriteProtected(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    return ::unlink(QFile::encodeName(path).constData()) == 0 ? 0 : errno;
}

void step(app::ProgressSink *progress, qint64 &count)
{
    if (progress)
        progress->setValue(++count);
}

struct TreeWalk
{
    app::UserPrompt &prompt;
    app::ProgressSink *progress;
    qint64 count = 0;

    void deleteFilesBelow(const QString &dir, bool removeDirs)
    {
        for (const QFileInfo &entry : entriesOf(dir, QDir::AllEntries)) {
            const QString path = entry.absoluteFilePath();
            if (isRealDir(entry)) {
                deleteFilesBelow(path, removeDirs);
                if (removeDirs)
                    QDir().rmdir(path);
            } else if (const int error = removeFile(path); error != 0) {
                prompt.error(texts::fileNotDeleted(path, error));
            }
            step(progress, count);
        }
    }

    bool copy(const QString &source, const QString &target)
    {
        for (const QFileInfo &entry : entriesOf(source, QDir::AllEntries)) {
            if (entry.isSymLink())
                continue;
            const QString targetPath = target + QLatin1Char('/') + entry.fileName();
            if (entry.isDir()) {
                if (!forceDirs(targetPath)) {
                    prompt.error(texts::dirNotCreatedInTree(targetPath));
                    return false;
                }
                if (!copy(entry.absoluteFilePath(), targetPath))
                    return false;
            } else if (!copyOneFile(entry.absoluteFilePath(), targetPath)) {
                prompt.error(texts::fileNotCopied(targetPath));
                return false;
            }
            step(progress, count);
        }
        return true;
    }
};

QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

bool isSameOrInside(const QString &inner, const QString &outer)
{
    const QString in = resolvedPath(inner);
    const QString out = resolvedPath(outer);
    return in == out || in.startsWith(out + QLatin1Char('/'));
}

} // namespace

bool forceDirs(const QString &dir)
{
    return !dir.trimmed().isEmpty() && QDir().mkpath(dir);
}

bool isWriteProtected(const QString &path)
{
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

bool confirmWritable(app::UserPrompt &prompt, const QString &path)
{
    if (!isWriteProtected(path))
        return true;
    if (!prompt.confirm(texts::writeProtected(path)))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
}

int openBinFile(app::UserPrompt &prompt, QFile &file, const QString &path, OpenMode mode)
{
    file.setFileName(path);
    if (mode == OpenMode::Create) {
        if (QFileInfo::exists(path) && !confirmWritable(prompt, path))
            return IoRefused;
        return file.open(QIODevice::ReadWrite | QIODevice::Truncate) ? IoOk : int(file.error());
    }
    if (isWriteProtected(path))
        return int(QFileDevice::PermissionsError);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) ? IoOk : int(file.error());
}

int openTextFile(QFile &file, const QString &path, OpenMode mode)
{
    file.setFileName(path);
    const QIODevice::OpenMode how = mode == OpenMode::Create ? QIODevice::WriteOnly | QIODevice::Truncate
                                                             : QIODevice::ReadOnly | QIODevice::ExistingOnly;
    return file.open(how) ? IoOk : int(file.error());
}

bool closeBinFile(QFile &file)
{
    const bool clean = file.error() == QFileDevice::NoError;
    file.close();
    return clean && file.error() == QFileDevice::NoError;
}

bool closeTextFile(QFile &file)
{
    return closeBinFile(file);
}

bool deleteFileForced(const QString &path)
{
    return removeFile(path) == 0;
}

bool copyOneFile(const QString &source, const QString &target)
{
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    if (!sourceInfo.isFile() || (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath()))
        return false;
    if (isWriteProtected(target))
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QDateTime modified = sourceInfo.lastModified();
    if (!forceDirs(targetInfo.absolutePath()))
        return false;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray buffer;
    while (!in.atEnd()) {
        buffer = in.read(kChunkSize);
        if (buffer.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(buffer) != buffer.size())
            return false;
    }
    // Buffered bytes written later would move the time again.
    const bool timeKept = out.flush() && out.setFileTime(modified, QFileDevice::FileModificationTime);
    return closeBinFile(out) && timeKept && in.error() == QFileDevice::NoError;
}

bool copyTree(app::UserPrompt &prompt, const QString &source, const QString &target, app::ProgressSink *progress)
{
    const QString from = withoutTrailingSlash(source);
    const QString to = withoutTrailingSlash(target);
    if (!isRealDir(QFileInfo(from)))
        return false;
    if (isSameOrInside(to, from) || !forceDirs(to)) {
        prompt.error(texts::dirNotCreatedInTree(to));
        return false;
    }
    TreeWalk walk{prompt, progress};
    return walk.copy(from, to);
}

bool deleteTree(app::UserPrompt &prompt, const QString &dir, app::ProgressSink *progress)
{
    const QString path = withoutTrailingSlash(dir);
    if (app::isDeletionRefused(path) || !isRealDir(QFileInfo(path)))
        return false;
    TreeWalk walk{prompt, progress};
    walk.deleteFilesBelow(path, true);
    return QDir().rmdir(path);
}

bool clearTree(app::UserPrompt &prompt, const QString &dir, app::ProgressSink *progress)
{
    const QString path = withoutTrailingSlash(dir);
    if (app::isDeletionRefused(path) || !isRealDir(QFileInfo(path)))
        return false;
    TreeWalk walk{prompt, progress};
    walk.deleteFilesBelow(path, false);
    return true;
}

int copyFilesByMask(app::UserPrompt &prompt, const QString &sourceDir, const QString &targetDir, const QString &mask)
{
    if (!forceDirs(targetDir)) {
        prompt.error(texts::dirNotCreated(targetDir));
        return 0;
    }
    int copied = 0;
    for (const QFileInfo &entry : entriesOf(sourceDir, QDir::Files, {mask})) {
        if (!copyOneFile(entry.absoluteFilePath(), QDir(targetDir).filePath(entry.fileName()))) {
            prompt.error(texts::fileNotCopied(entry.fileName()));
            return 0;
        }
        ++copied;
    }
    return copied;
}

int countFiles(const QString &dir, const QString &mask)
{
    return int(entriesOf(dir, QDir::Files, {mask}).size());
}

qint64 getFileSizeOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.size() : 0;
}

void deleteFilesIn(const QString &dir)
{
    if (dir.size() <= 4 || app::isDeletionRefused(dir))
        return;
    for (const QFileInfo &entry : entriesOf(dir, QDir::Files))
        removeFile(entry.absoluteFilePath());
}

bool checkBackupDir(app::UserPrompt &prompt, const QString &path, const QString &purpose, const QString &defaultPath)
{
    const QString dir = path.trimmed();
    const app::DriveType drive = app::driveType(dir);
    if (dir.isEmpty() || !app::driveUsable(dir) || dir.contains(QLatin1Char('\0'))) {
        prompt.error(texts::driveUnusable(dir.left(1), purpose, defaultPath));
        return false;
    }
    if (drive == app::DriveType::Removable || QFileInfo(dir).isDir())
        return true;
    if (!prompt.confirm(texts::createDirQuestion(dir)))
        return false;
    if (forceDirs(dir))
        return true;
    prompt.error(texts::dirCouldNotBeCreated(dir) + texts::defaultPathUsed(purpose, defaultPath));
    return false;
}

} // namespace tekvora::backup
