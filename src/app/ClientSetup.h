#pragma once

namespace tekvora::app {

class ClientDirs;
class PrivateDir;
class UserPrompt;

/// Fills in the private directory and creates, silently and where missing, the directories every
/// derivation needs: Netdir, the private directory, Scan, IMEX, Temp and Sounds. Protects the
/// root from tree removals. A private directory held already stays.
void deriveClientDirs(ClientDirs &dirs, PrivateDir &privateDir);

/// Derives, then creates the data directory (false when that fails: the program cannot run) and,
/// with a message for each that cannot be created, Netdir, the backup directory in effect, IMEX,
/// QRFD and Temp; loads the paths file in between.
bool prepareClientDirs(ClientDirs &dirs, PrivateDir &privateDir, UserPrompt &prompt);

} // namespace tekvora::app
