#pragma once

#include "app/ClientDirs.h"

#include <QStringList>

#include <functional>

namespace tekvora::app {
class PrivateDir;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::db {

class UpgradeProgress;
struct UpgradeJournal;

/// The database version of this program.
inline constexpr int CurrentDatabaseVersion = 126;

/// Points of the upgrade that a crash test stops the process at.
enum class UpgradeStep {
    BackupStarted,   ///< the journal says the backup copy is being made
    BackupCopied,    ///< the copy is complete, the journal does not say so yet
    BackupRecorded,  ///< the journal says the copy is complete
    DataEmptied,     ///< the old database files are gone from the data directory
    TemplateCopied,  ///< the template database lies in the data directory
    TableMigrated,   ///< one more table carried over (inside the transaction)
    RecordsMigrated, ///< the migration is committed
    VersionWritten,  ///< "Version.Dat" holds the new version
    Finished,        ///< the journal is gone
    RestoreEmptied,  ///< a failed upgrade removed the new database files and restores now
};

/// Checks the tables of a client at start and creates or upgrades them to the current version:
/// a new client gets the template tables, an older one a backup copy, fresh template tables and
/// its old records carried over. Any failure puts the backup copy back. A journal beside the data
/// directory makes a crash at any point harmless: the next run repeats the upgrade from the
/// complete backup copy.
class ClientUpgrade
{
public:
    /// `dirs` is the directory set of the client (derived); `programVersion` goes into the caption.
    ClientUpgrade(app::ClientDirs &dirs, app::PrivateDir &privateDir, const QString &programVersion,
                  app::UserPrompt &prompt, UpgradeProgress &progress);

    /// True when the client's tables are current afterwards.
    bool run();

    /// Called at each step; a test may end the process there.
    std::function<void(UpgradeStep)> stepHook;

    /// The journal of a running upgrade of the client: "Update." + client number in the root.
    static QString journalFile(const app::ClientDirs &dirs);
    /// The backup copy of the data directory for the old version: "Data0001_125/".
    static QString backupDirFor(const app::ClientDirs &dirs, int oldVersion);

private:
    bool upgrade(int oldVersion);
    bool resume(const UpgradeJournal &journal);
    bool rebuild(const UpgradeJournal &journal);
    bool prepareNewClient();
    void copyAuxiliaryDirs();
    void emptyDataDir();
    void restore(const UpgradeJournal &journal);
    void offerBackupDeletion(const QString &backupDir, const QStringList &tablesLeftBehind);
    void step(UpgradeStep reached);

    app::ClientDirs &m_dirs;
    app::PrivateDir &m_privateDir;
    QString m_programVersion;
    app::UserPrompt &m_prompt;
    UpgradeProgress &m_progress;
};

} // namespace tekvora::db
