#include "app/ClientDirs.h"

#include "app/ProgramRoot.h"

#include <QDir>

namespace tekvora::app {

ClientDirs::ClientDirs(const QString &root, int client, const QString &settingsDir)
    : m_root(asDirectory(root)),
      m_client(client),
      m_settingsDir(settingsDir.isEmpty() ? settingsDirectory() : asDirectory(settingsDir)),
      m_exportDir(asDirectory(QDir::homePath())),
      m_backupDir(defaultBackupDir())
{
}

QString ClientDirs::clientTag(int client)
{
    return QStringLiteral("%1").arg(client, 4, 10, QLatin1Char('0'));
}

QString ClientDirs::dirName(ClientDirKind kind)
{
    switch (kind) {
    case ClientDirKind::Data:
        return QStringLiteral("Data");
    case ClientDirKind::Backup:
        return QStringLiteral("DTBU");
    case ClientDirKind::ImportExport:
        return QStringLiteral("IMEX");
    case ClientDirKind::PrintForms:
        return QStringLiteral("QRFD");
    case ClientDirKind::TextBlocks:
        return QStringLiteral("Tbst");
    case ClientDirKind::Scanner:
        return QStringLiteral("Scan");
    }
    return {};
}

QString ClientDirs::dirOf(ClientDirKind kind, int client) const
{
    return m_root + dirName(kind) + clientTag(client) + QLatin1Char('/');
}

QString ClientDirs::netDir() const
{
    return m_root + QStringLiteral("Netdir/");
}

QString ClientDirs::privatesDir() const
{
    return m_root + QStringLiteral("Privates/");
}

void ClientDirs::setPrivateDir(const QString &dir)
{
    m_privateDir = dir.isEmpty() ? QString() : asDirectory(dir);
}

QString ClientDirs::tempDir() const
{
    return m_root + QStringLiteral("Temp/");
}

QString ClientDirs::soundDir() const
{
    return m_root + QStringLiteral("Sounds/");
}

QString ClientDirs::manualDir() const
{
    return m_root + QStringLiteral("Handbuch/Html/");
}

QString ClientDirs::helpDir() const
{
    return m_root + QStringLiteral("Help/");
}

QString ClientDirs::pathsFile() const
{
    return m_root + QStringLiteral("Pfade.") + clientTag(m_client);
}

QString ClientDirs::defaultFontFile() const
{
    return m_root + QStringLiteral("Deffont.txt");
}

QString ClientDirs::versionFile() const
{
    return dataDir() + QStringLiteral("Version.Dat");
}

QString ClientDirs::settingsFile() const
{
    return settingsDirFile(QStringLiteral("TV9001.ini"));
}

QString ClientDirs::designerSettingsFile() const
{
    return settingsDirFile(QStringLiteral("TVX302.ini"));
}

QString ClientDirs::settingsDirFile(const QString &name) const
{
    return m_settingsDir + name;
}

QStringList ClientDirs::backupScopeDirs(BackupScope scope) const
{
    switch (scope) {
    case BackupScope::Movement:
        return {dataDir()};
    case BackupScope::Auxiliary:
        return {textBlockDir(), printFormDir(), scanDir(), imexDir()};
    case BackupScope::Complete:
        return {dataDir(), printFormDir(), scanDir(), textBlockDir(), imexDir()};
    }
    return {};
}

QString ClientDirs::backupScopeDir(BackupScope scope, int index) const
{
    return backupScopeDirs(scope).value(index);
}

QString ClientDirs::soundFile(int number) const
{
    switch (number) {
    case 1:
        return soundDir() + QStringLiteral("notify.wav");
    case 2:
        return soundDir() + QStringLiteral("chimes.wav");
    case 3:
        return soundDir() + QStringLiteral("chord.wav");
    default:
        return soundDir() + QStringLiteral("Ding.wav");
    }
}

QString ClientDirs::manualPage(const QString &pageName) const
{
    return manualDir() + pageName;
}

QString backupScopeCaption(BackupScope scope)
{
    switch (scope) {
    case BackupScope::Movement:
        return QStringLiteral("Bewegungsdaten");
    case BackupScope::Auxiliary:
        return QStringLiteral("Hilfsdaten");
    case BackupScope::Complete:
        return QStringLiteral("Komplettsicherung");
    }
    return {};
}

QChar backupScopeLetter(BackupScope scope)
{
    switch (scope) {
    case BackupScope::Movement:
        return QLatin1Char('B');
    case BackupScope::Auxiliary:
        return QLatin1Char('H');
    case BackupScope::Complete:
        return QLatin1Char('G');
    }
    return {};
}

} // namespace tekvora::app
