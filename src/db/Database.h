#pragma once

#include "db/DbResult.h"

#include <QSqlDatabase>
#include <QString>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {

/// The name of the program's one connection; every table and query of the program uses it.
inline const QString kConnectionName = QStringLiteral("Vidizavid");

/// The store's file inside a data directory.
inline const QString kDatabaseFileName = QStringLiteral("Tekvora.sqlite");

/// The store's file of the data directory.
QString databaseFilePath(const QString &dataDir);

/// True when the data directory holds a store file.
bool databaseFileExists(const QString &dataDir);

/// The open connection of that name (the program's connection by default).
QSqlDatabase database(const QString &connectionName = kConnectionName);

/// Opens the existing store of the data directory under the connection name (WAL, busy time-out).
/// Never creates a file: a missing, unreadable or damaged store is a failure with the store's message.
DbResult openDatabase(const QString &connectionName, const QString &dataDir);

/// Creates a new store with every table of the template (and its records) and leaves it open.
/// Refuses when the data directory already holds a store file.
DbResult createDatabase(const QString &connectionName, const QString &dataDir);

/// Opens the client's store, creating a complete template store when there is no store file yet.
DbResult openOrCreateClientDatabase(const QString &dataDir, const QString &connectionName = kConnectionName);

/// Closes the connection and forgets it; queries still holding it become invalid.
void closeDatabase(const QString &connectionName = kConnectionName);

/// "Datenbank-Alias (Daten)<alias>" ... "Message: " + message, the text shown when opening fails.
QString openFailureMessage(const QString &alias, const QString &dataDir, const QString &storeMessage);

/// Opens the program's connection on the data directory; on failure shows the alias message through the
/// prompt and returns false, after which the program ends.
bool openMainDatabase(const QString &dataDir, app::UserPrompt &prompt);

} // namespace tekvora::db
