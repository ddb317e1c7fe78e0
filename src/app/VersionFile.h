#pragma once

namespace tekvora::app {

class ClientDirs;

/// The database version "Version.Dat" of the data directory records; 0 when the file is missing,
/// unreadable or its first line is not a number.
int readDatabaseVersion(const ClientDirs &dirs);

/// Rewrites "Version.Dat" with the version as its one line.
bool writeDatabaseVersion(const ClientDirs &dirs, int version);

} // namespace tekvora::app
