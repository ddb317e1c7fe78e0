#include "app/PathUtils.h"

#include <QDir>

namespace tekvora::app {

QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString withoutSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

bool createPath(const QString &path)
{
    return !path.trimmed().isEmpty() && QDir().mkpath(path);
}

} // namespace tekvora::app
