#pragma once

#include <QString>
#include <QStringList>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {

/// The files of a data directory that belong to its database: the store file with its journal
/// and shared-memory companions, and "Version.Dat". Everything else in the directory is the user's.
QStringList databaseFilesIn(const QString &dir);

/// Deletes the database files of the directory; each one that stays is shown with its error
/// number. True when none is left.
bool removeDatabaseFiles(app::UserPrompt &prompt, const QString &dir);

/// True when the directory holds a database that is not empty, or a file that is no database at
/// all (which must be kept, not overwritten as if the client were new).
bool holdsDatabase(const QString &dir);

/// Copies the files of a tree that the target lacks; files there already are the user's and stay.
bool copyMissingFiles(const QString &sourceDir, const QString &targetDir);

/// Makes room for a new backup copy at `dir`: an existing directory with files in it is renamed
/// to the first free "dir.1", "dir.2", ...; an empty one is reused.
bool moveAsideIfUsed(const QString &dir);

} // namespace tekvora::db
