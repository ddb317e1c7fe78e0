#pragma once

#include <QString>

namespace tekvora::app {

class ClientDirs;
class UserPrompt;

/// Deletes the window settings files ("TV9001.ini", "TV9002.ini", "TV9003.ini") and the marker
/// "DELTVF90.DSF"; with `createMarker` writes the marker anew, so that the next start deletes
/// what the windows still open save when they close.
void resetWindowSettings(const ClientDirs &dirs, bool createMarker);

/// Run when the main window is created: removes the directories "DELTVP90.DSF" lists (up to the
/// first that fails; the marker goes only when the last removal succeeded), then carries out a
/// pending window settings reset. The removal guard applies whatever the marker says.
void processMarkers(const ClientDirs &dirs, UserPrompt &prompt);

/// Rewrites "DELTVP90.DSF" with the given directories that are longer than 3 characters.
bool registerDirsForDeletion(const ClientDirs &dirs, const QString &first, const QString &second = {});

} // namespace tekvora::app
