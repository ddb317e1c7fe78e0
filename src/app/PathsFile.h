#pragma once

namespace tekvora::app {

class ClientDirs;
class UserPrompt;

/// Reads the export and backup directories from "Pfade.0001"; each line is checked as the backup
/// dialogs check a directory (with their questions and messages) and only an accepted one is
/// taken. Directories that became unusable fall back first. A missing file is written with the
/// directories in effect.
void loadPathsFile(ClientDirs &dirs, UserPrompt &prompt);

/// Rewrites "Pfade.0001": export directory, backup directory.
bool savePathsFile(const ClientDirs &dirs);

} // namespace tekvora::app
