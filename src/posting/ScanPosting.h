#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tekvora::app {
class ProgressSink;
}

namespace tekvora::posting {

struct ScanPostingResult
{
    int handled = 0;   ///< raw records walked
    int deleted = 0;   ///< raw records in state "OK" or "BB" removed afterwards
    QString error;     ///< German message when the run failed; nothing of it was kept then
    bool ok() const { return error.isEmpty(); }
};

/// "Verbuchen": copies the raw visits into `MdeObj` and the presences with the activity that
/// follows each into `MdePJ`, sums person and activity hours per visit, writes `SC_Ref` back and
/// deletes the raw records in state 1 or 3. A raw record that already carries `SC_Ref` updates its
/// earlier target. The run is one transaction: all of it or none.
ScanPostingResult postRawScanRecords(QSqlDatabase db, app::ProgressSink &progress);

} // namespace tekvora::posting
