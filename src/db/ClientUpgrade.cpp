#include "db/ClientUpgrade.h"

#include "app/ClientSetup.h"
#include "app/SettingsMarkers.h"
#include "app/UserPrompt.h"
#include "app/VersionFile.h"
#include "backup/FileUtils.h"
#include "db/ClientTemplates.h"
#include "db/Database.h"
#include "db/Maintenance.h"

#include "db/RecordMigration.h"
#include "db/UpgradeFiles.h"
#include "db/UpgradeJournal.h"
#include "db/UpgradeProgress.h"
#include "db/UpgradeTexts.h"

#include <QDir>
#include <QFileInfo>

namespace tekvora::db {

ClientUpgrade::ClientUpgrade(app::ClientDirs &dirs, app::PrivateDir &privateDir, const QString &programVersion,
                             app::UserPrompt &prompt, UpgradeProgress &progress)
    : m_dirs(dirs)
    , m_privateDir(privateDir)
    , m_programVersion(programVersion)
    , m_prompt(prompt)
    , m_progress(progress)
{
}

QString ClientUpgrade::journalFile(const app::ClientDirs &dirs)
{
    return dirs.root() + QStringLiteral("Update.") + app::ClientDirs::clientTag(dirs.client());
}

QString ClientUpgrade::backupDirFor(const app::ClientDirs &dirs, int oldVersion)
{
    QString dir = dirs.dataDir();
    dir.chop(1);
    return dir + u'_' + QStringLiteral("%1").arg(oldVersion, 3, 10, QLatin1Char('0')) + u'/';
}

bool ClientUpgrade::run()
{
    std::optional<UpgradeJournal> journal = UpgradeJournal::read(journalFile(m_dirs));
    if (journal && journal->stage == UpgradeJournal::Stage::BackingUp) {
        // Only the copy was under way: the data directory is as it was, the partial copy ours.
        backup::deleteTree(m_prompt, journal->backupDir);
        if (!UpgradeJournal::remove(journalFile(m_dirs)))
            return false;
        journal.reset();
    }
    const int version = journal ? journal->oldVersion : app::readDatabaseVersion(m_dirs);
    if (!journal && version >= CurrentDatabaseVersion)
        return true;
    if (!ensureClientTemplates(m_dirs, m_prompt))
        return false;

    MaintenanceScope maintenance;
    const QString versionText = QString::number(CurrentDatabaseVersion / 100.0, 'f', 2);
    m_progress.open(QStringLiteral("Tekvora ") + m_programVersion + QStringLiteral(": ")
                        + upgradetext::Caption.arg(versionText),
                    upgradetext::FirstLine);
    const bool ok = journal ? resume(*journal) : upgrade(version);
    m_progress.close();
    return ok;
}

bool ClientUpgrade::upgrade(int oldVersion)
{
    UpgradeJournal journal;
    journal.oldVersion = oldVersion;
    journal.newClient = !holdsDatabase(m_dirs.dataDir());
    journal.backupDir = backupDirFor(m_dirs, oldVersion);
    if (journal.newClient && !prepareNewClient())
        return false;

    m_progress.setText(upgradetext::BackingUp);
    if (!moveAsideIfUsed(journal.backupDir) || !journal.write(journalFile(m_dirs)))
        return false;
    step(UpgradeStep::BackupStarted);
    bool copied = backup::forceDirs(journal.backupDir)
                  && backup::copyTree(m_prompt, m_dirs.dataDir(), journal.backupDir);
    step(UpgradeStep::BackupCopied);
    journal.stage = UpgradeJournal::Stage::BackedUp;
    copied = copied && journal.write(journalFile(m_dirs));
    if (!copied) {
        // The data directory was not touched: drop the partial copy instead of putting it back.
        backup::deleteTree(m_prompt, journal.backupDir);
        UpgradeJournal::remove(journalFile(m_dirs));
        return false;
    }
    step(UpgradeStep::BackupRecorded);
    return rebuild(journal);
}

bool ClientUpgrade::resume(const UpgradeJournal &journal)
{
    m_progress.setText(upgradetext::ResumingUpgrade);
    if (!QFileInfo(journal.backupDir).isDir()) {
        m_prompt.error(upgradetext::BackupMissing.arg(journal.backupDir));
        return false;
    }
    if (journal.newClient && !prepareNewClient())
        return false;
    return rebuild(journal);
}

bool ClientUpgrade::prepareNewClient()
{
    m_progress.setText(upgradetext::NewClient.arg(app::ClientDirs::clientTag(m_dirs.client())));
    if (!app::prepareClientDirs(m_dirs, m_privateDir, m_prompt))
        return false;
    copyAuxiliaryDirs();
    return true;
}

void ClientUpgrade::copyAuxiliaryDirs()
{
    m_progress.setText(upgradetext::CopyingAuxDirs);
    const std::pair<QString, QString> copies[] = {{m_dirs.templatePrintFormDir(), m_dirs.printFormDir()},
                                                  {m_dirs.templateImexDir(), m_dirs.imexDir()}};
    for (const auto &[source, target] : copies) {
        if (!copyMissingFiles(source, target))
            m_prompt.error(upgradetext::AuxDirNotCopied.arg(source, target));
    }
}

bool ClientUpgrade::rebuild(const UpgradeJournal &journal)
{
    emptyDataDir();
    step(UpgradeStep::DataEmptied);
    m_progress.setText(upgradetext::CreatingTables);
    bool ok = backup::copyTree(m_prompt, m_dirs.templateDataDir(), m_dirs.dataDir());
    step(UpgradeStep::TemplateCopied);
    QStringList leftBehind;
    if (ok && !journal.newClient) {
        const QString dataDir = m_dirs.dataDir();
        RecordMigration migration(dataDir, databaseFilePath(dataDir), journal.backupDir, databaseFilePath(journal.backupDir),
                                  m_prompt, m_progress);
        migration.afterTable = [this](const QString &) { step(UpgradeStep::TableMigrated); };
        ok = migration.run();
        step(UpgradeStep::RecordsMigrated);
        ok = ok && app::writeDatabaseVersion(m_dirs, CurrentDatabaseVersion);
        step(UpgradeStep::VersionWritten);
        leftBehind = migration.tablesLeftBehind();
    }
    if (!ok) {
        restore(journal);
        return false;
    }
    UpgradeJournal::remove(journalFile(m_dirs));
    step(UpgradeStep::Finished);
    if (!journal.newClient)
        offerBackupDeletion(journal.backupDir, leftBehind);
    return true;
}

void ClientUpgrade::emptyDataDir()
{
    // Only the database's own files: anything else the user put there stays where it is.
    m_progress.setText(upgradetext::Emptying.arg(m_dirs.dataDir()));
    removeDatabaseFiles(m_prompt, m_dirs.dataDir());
}

void ClientUpgrade::restore(const UpgradeJournal &journal)
{
    m_progress.setText(upgradetext::Restoring);
    // The new database files go first: a journal or "Version.Dat" left beside the old database
    // would corrupt it or make it look current.
    removeDatabaseFiles(m_prompt, m_dirs.dataDir());
    step(UpgradeStep::RestoreEmptied);
    if (backup::copyTree(m_prompt, journal.backupDir, m_dirs.dataDir()))
        UpgradeJournal::remove(journalFile(m_dirs));
}

void ClientUpgrade::offerBackupDeletion(const QString &backupDir, const QStringList &tablesLeftBehind)
{
    if (!tablesLeftBehind.isEmpty()) {
        m_progress.setText(upgradetext::BackupKept.arg(backupDir));
        return;
    }
    if (!m_prompt.confirm(upgradetext::DeleteBackups))
        return;
    if (!backup::deleteTree(m_prompt, backupDir))
        app::registerDirsForDeletion(m_dirs, backupDir);
}

void ClientUpgrade::step(UpgradeStep reached)
{
    if (stepHook)
        stepHook(reached);
}

} // namespace tekvora::db
