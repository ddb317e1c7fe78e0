#include "app/ProgramRoot.h"

#include <QDir>

namespace tekvora::app {

namespace {
// Relative XDG values are invalid by the XDG rules and are ignored.
QString xdgBase(const char *variable, const QString &fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + QLatin1Char('/') + fallbackBelowHome;
}
} // namespace

QString asDirectory(const QString &path)
{
    QString clean = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (!clean.endsWith(QLatin1Char('/')))
        clean += QLatin1Char('/');
    return clean;
}

QString programRoot(const QString &explicitRoot)
{
    if (!explicitRoot.trimmed().isEmpty())
        return asDirectory(explicitRoot.trimmed());
    const QString fromEnvironment = qEnvironmentVariable("TEKVORA_ROOT").trimmed();
    if (!fromEnvironment.isEmpty())
        return asDirectory(fromEnvironment);
    return asDirectory(xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/tekvora"));
}

QString settingsDirectory()
{
    return asDirectory(xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/tekvora"));
}

} // namespace tekvora::app
