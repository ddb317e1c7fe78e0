#pragma once

#include <QString>
#include <QStringList>

namespace tekvora::app {

/// The numbered directories of a client: root + name + four-digit client number + "/".
enum class ClientDirKind { Data, Backup, ImportExport, PrintForms, TextBlocks, Scanner };

/// What a backup saves: 0 "Bewegungsdaten" (B), 1 "Hilfsdaten" (H), 2 "Komplettsicherung" (G).
enum class BackupScope { Movement = 0, Auxiliary = 1, Complete = 2 };

/// The directory set of one client below the program root, and the files at fixed places.
/// Every directory path ends with "/"; files are full paths. This is the only place that builds
/// these paths: other code asks here. Pure path arithmetic, nothing is created (see ClientSetup).
class ClientDirs
{
public:
    ClientDirs() = default;
    /// `root` as programRoot() returns it; `settingsDir` empty means settingsDirectory().
    explicit ClientDirs(const QString &root, int client = 1, const QString &settingsDir = {});

    /// "0001" for client 1.
    static QString clientTag(int client);
    static QString dirName(ClientDirKind kind);

    bool isValid() const { return !m_root.isEmpty(); }
    const QString &root() const { return m_root; }
    int client() const { return m_client; }

    QString dirOf(ClientDirKind kind) const { return dirOf(kind, m_client); }
    QString dirOf(ClientDirKind kind, int client) const;

    QString netDir() const;
    QString privatesDir() const;
    /// The private directory this process holds (Privates/Priv0001/, ...); empty until chosen.
    const QString &privateDir() const { return m_privateDir; }
    void setPrivateDir(const QString &dir);

    QString dataDir() const { return dirOf(ClientDirKind::Data); }
    QString templateDataDir() const { return dirOf(ClientDirKind::Data, 0); }
    QString defaultBackupDir() const { return dirOf(ClientDirKind::Backup); }
    QString imexDir() const { return dirOf(ClientDirKind::ImportExport); }
    QString templateImexDir() const { return dirOf(ClientDirKind::ImportExport, 0); }
    QString printFormDir() const { return dirOf(ClientDirKind::PrintForms); }
    QString templatePrintFormDir() const { return dirOf(ClientDirKind::PrintForms, 0); }
    QString textBlockDir() const { return dirOf(ClientDirKind::TextBlocks); }
    QString scanDir() const { return dirOf(ClientDirKind::Scanner); }
    QString tempDir() const;
    QString soundDir() const;
    QString manualDir() const;
    QString helpDir() const;

    /// "Pfade.0001" in the root.
    QString pathsFile() const;
    /// "Deffont.txt" in the root.
    QString defaultFontFile() const;
    /// "Version.Dat" in the data directory.
    QString versionFile() const;

    const QString &settingsDir() const { return m_settingsDir; }
    /// "TV9001.ini": window placement of the program's windows.
    QString settingsFile() const;
    /// "TVX302.ini": window settings of the print-form designer.
    QString designerSettingsFile() const;
    /// A file of the settings directory by name ("DELTVF90.DSF", ...).
    QString settingsDirFile(const QString &name) const;

    /// The directory for exports and the backup directory in effect, as the paths file holds
    /// them. Initially the home directory and the default backup directory.
    const QString &exportDir() const { return m_exportDir; }
    void setExportDir(const QString &dir) { m_exportDir = dir; }
    const QString &backupDir() const { return m_backupDir; }
    void setBackupDir(const QString &dir) { m_backupDir = dir; }

    /// The directories a backup of `scope` saves, in their order.
    QStringList backupScopeDirs(BackupScope scope) const;
    /// The i-th of them (from 0), or an empty text past the end.
    QString backupScopeDir(BackupScope scope, int index) const;

    /// Sound file by number: 1 "notify.wav", 2 "chimes.wav", 3 "chord.wav", else "Ding.wav".
    QString soundFile(int number) const;
    /// A page of the manual ("Mdestat.html", ...).
    QString manualPage(const QString &pageName) const;

private:
    QString m_root;
    int m_client = 1;
    QString m_settingsDir;
    QString m_privateDir;
    QString m_exportDir;
    QString m_backupDir;
};

/// Caption of a backup scope in the backup dialogs and its letter in archive names.
QString backupScopeCaption(BackupScope scope);
QChar backupScopeLetter(BackupScope scope);

/// The manual pages the information buttons open.
namespace ManualPage {
inline constexpr const char *MainWindow = "Mdestat.html";
inline constexpr const char *Sites = "objekte.html";
inline constexpr const char *Staff = "Mitarbeiter.html";
inline constexpr const char *Activities = "tatigkeiten.html";
inline constexpr const char *Company = "Firmendaten.html";
inline constexpr const char *Banks = "banken.html";
inline constexpr const char *ScanImport = "Scanimp.html";
} // namespace ManualPage

} // namespace tekvora::app
