#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tekvora::app {
class ProgressSink;
}

namespace tekvora::posting {

/// `SC_State` codes of raw scan records.
enum ScanState : int {
    StateUnchecked = 0, ///< "??"
    StateOk = 1,        ///< "OK": the site, person or activity exists
    StateUnknown = 2,   ///< "**"
    StateBB = 3,
    StateNT = 4,
    StateAlert = 9,
};

/// "??", "OK", "**", "BB", "NT", "!!"; any other code "**".
QString scanStateText(int state);

struct ScanCheckResult
{
    int checked = 0;
    QString error; ///< the store's message when the check failed; nothing changed then
};

/// "Daten prüfen": sets every raw record outside a tour plan to "OK" when its site (visit), person
/// or activity number exists in the master data, else to "**".
ScanCheckResult checkRawScanRecords(QSqlDatabase db, app::ProgressSink &progress);

} // namespace tekvora::posting
