#include "app/DeletionGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tekvora::app {

namespace {

QStringList &protectedDirs()
{
    static QStringList dirs;
    return dirs;
}

// Real location where it exists, so a link or "a/../b" cannot hide a protected directory.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isSameOrAbove(const QString &candidate, const QString &protectedDir)
{
    if (candidate == QLatin1String("/") || candidate == protectedDir)
        return true;
    return protectedDir.startsWith(candidate + QLatin1Char('/'));
}

} // namespace

void protectFromDeletion(const QString &dir)
{
    const QString path = resolved(dir);
    if (!protectedDirs().contains(path))
        protectedDirs() << path;
}

bool isDeletionRefused(const QString &path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    if (trimmed.size() <= 3 || !QDir::isAbsolutePath(trimmed))
        return true;
    const QString candidate = resolved(trimmed);
    if (isSameOrAbove(candidate, resolved(QDir::homePath())))
        return true;
    for (const QString &dir : protectedDirs()) {
        if (isSameOrAbove(candidate, dir))
            return true;
    }
    return false;
}

} // namespace tekvora::app
