#pragma once

#include <QSqlDatabase>

namespace tekvora::app {
class ProgressSink;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::posting {

// The buttons of the posting dialog as whole actions with their messages, shared by the window and
// the command line.

/// "Daten prüfen": marks every raw record, then "Prüfung beendet". False when the check failed.
bool runScanCheck(QSqlDatabase db, app::UserPrompt &prompt, app::ProgressSink &progress);

/// "Verbuchen": creates the statistics tables when missing, posts, then "Datenübernahme beendet".
/// False when nothing was posted.
bool runScanPosting(QSqlDatabase db, app::UserPrompt &prompt, app::ProgressSink &progress);

/// "Alle löschen": after the confirmation empties `Scanimp` of every tour type. False when the user
/// declined or the deletion failed.
bool deleteAllRawScans(QSqlDatabase db, app::UserPrompt &prompt);

} // namespace tekvora::posting
