#include "db/Database.h"

#include "app/UserPrompt.h"
#include "db/PreparedStatements.h"
#include "db/Schema.h"
#include "db/TemplateDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::db {

namespace {

QString queryError(const QSqlQuery &query)
{
    const QString message = query.lastError().databaseText();
    return message.isEmpty() ? query.lastError().text() : message;
}

/// Adds the connection and opens the file; the connection stays registered only on success.
DbResult attach(const QString &connectionName, const QString &file)
{
    closeDatabase(connectionName);
    DbResult result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!db.open()) {
            result = DbResult::failure(db.lastError().driverText() + u' ' + db.lastError().databaseText());
        } else {
            QSqlQuery query(db);
            // The first read shows a file that is no database; the write probe a store we may not change.
            // A new store gets larger pages (an existing one keeps its own): the record tables carry several
            // indexes, and a posting run splits fewer pages. A larger page cache keeps those indexes in memory.
            for (const char *statement : {"PRAGMA page_size=16384", "SELECT count(*) FROM sqlite_master",
                                          "PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
                                          "PRAGMA cache_size=-65536", "BEGIN IMMEDIATE", "ROLLBACK"}) {
                if (!query.exec(QLatin1String(statement))) {
                    result = DbResult::failure(queryError(query));
                    break;
                }
            }
            query.finish();
            if (!result.ok)
                db.close();
        }
    }
    if (!result.ok)
        QSqlDatabase::removeDatabase(connectionName);
    return result;
}

} // namespace

QString databaseFilePath(const QString &dataDir)
{
    return QDir(dataDir).filePath(kDatabaseFileName);
}

bool databaseFileExists(const QString &dataDir)
{
    return QFileInfo(databaseFilePath(dataDir)).isFile();
}

QSqlDatabase database(const QString &connectionName)
{
    return QSqlDatabase::database(connectionName, false);
}

DbResult openDatabase(const QString &connectionName, const QString &dataDir)
{
    const QString file = databaseFilePath(dataDir);
    const QFileInfo info(file);
    if (!info.exists())
        return DbResult::failure(QStringLiteral("Die Datenbankdatei %1 fehlt.").arg(QDir::toNativeSeparators(file)));
    if (!info.isFile() || !info.isReadable())
        return DbResult::failure(
            QStringLiteral("Die Datenbankdatei %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(file)));
    return attach(connectionName, file);
}

DbResult createDatabase(const QString &connectionName, const QString &dataDir)
{
    const QString file = databaseFilePath(dataDir);
    if (QFileInfo::exists(file))
        return DbResult::failure(
            QStringLiteral("Die Datenbankdatei %1 existiert bereits.").arg(QDir::toNativeSeparators(file)));
    if (!QDir().mkpath(dataDir))
        return DbResult::failure(
            QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(dataDir)));
    DbResult result = attach(connectionName, file);
    if (result.ok)
        result = fillTemplateDatabase(database(connectionName));
    if (!result.ok) {
        // Only what this call created goes away again.
        closeDatabase(connectionName);
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(file + suffix);
    }
    return result;
}

DbResult openOrCreateClientDatabase(const QString &dataDir, const QString &connectionName)
{
    if (databaseFileExists(dataDir))
        return openDatabase(connectionName, dataDir);
    return createDatabase(connectionName, dataDir);
}

void closeDatabase(const QString &connectionName)
{
    releasePreparedStatements(connectionName);
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QString openFailureMessage(const QString &alias, const QString &dataDir, const QString &storeMessage)
{
    return QStringLiteral("Datenbank-Alias (Daten)") + alias + u'\n' + QStringLiteral("in Pfad:") + dataDir + u'\n'
         + QStringLiteral("kann nicht erstellt werden!") + u'\n' + QStringLiteral("Message: ") + storeMessage;
}

bool openMainDatabase(const QString &dataDir, app::UserPrompt &prompt)
{
    const DbResult result = openDatabase(kConnectionName, dataDir);
    if (!result.ok) {
        prompt.error(openFailureMessage(kConnectionName, dataDir, result.error));
        return false;
    }
    addMissingIndexes(database());
    return true;
}

} // namespace tekvora::db
