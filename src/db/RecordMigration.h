#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {

class UpgradeProgress;

/// Carries the records of an old database into the fresh template database of the current
/// version, table by table and field by field, then adds the user's own print forms back.
/// Both databases are ours: the backup copy holds the old file, the data directory the new one.
class RecordMigration
{
public:
    /// `newFile` is the fresh database in `newDir`, `oldFile` the old one in `oldDir`.
    RecordMigration(const QString &newDir, const QString &newFile, const QString &oldDir, const QString &oldFile,
                    app::UserPrompt &prompt, UpgradeProgress &progress);

    /// True when every table was handled or the user chose to go on after an error.
    bool run();

    /// Old tables holding records that the new database has no place for.
    const QStringList &tablesLeftBehind() const { return m_leftBehind; }

    /// Called after each table; lets a test stop the process there.
    std::function<void(const QString &table)> afterTable;

    /// Records copied per statement; the status line moves between them.
    static constexpr int BatchSize = 25000;

private:
    enum class TableResult { Done, Failed };

    bool openConnection(QSqlDatabase &db);
    void copyUpToFaultyRecord(QSqlDatabase &db, const QString &insert, const QString &from, qint64 last, qint64 end);
    void addTablesTheTemplateLacks(QSqlDatabase &db);
    TableResult migrateTable(QSqlDatabase &db, const QString &table);
    bool copyRecords(QSqlDatabase &db, const QString &table, const QString &oldTable, const QString &columns,
                     const QString &sources);
    void carryUserPrintForms(QSqlDatabase &db);
    void noteTablesLeftBehind(QSqlDatabase &db);
    void showCount(const QString &table, qint64 copied);

    QString m_newDir;
    QString m_newFile;
    QString m_oldDir;
    QString m_oldFile;
    app::UserPrompt &m_prompt;
    UpgradeProgress &m_progress;
    QStringList m_leftBehind;
};

} // namespace tekvora::db
