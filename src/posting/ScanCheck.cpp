#include "posting/ScanCheck.h"

#include "app/ProgressSink.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::posting {

QString scanStateText(int state)
{
    switch (state) {
    case StateUnchecked:
        return QStringLiteral("??");
    case StateOk:
        return QStringLiteral("OK");
    case StateBB:
        return QStringLiteral("BB");
    case StateNT:
        return QStringLiteral("NT");
    case StateAlert:
        return QStringLiteral("!!");
    default:
        return QStringLiteral("**");
    }
}

ScanCheckResult checkRawScanRecords(QSqlDatabase db, app::ProgressSink &progress)
{
    ScanCheckResult result;
    QSqlQuery count(db);
    if (!count.exec(QStringLiteral("SELECT count(*) FROM Scanimp WHERE SC_TourType = 9")) || !count.next()) {
        result.error = count.lastError().text();
        return result;
    }
    const int records = count.value(0).toInt();
    progress.setRange(0, records);
    progress.setValue(0);

    // One statement: the same answer as asking record by record, and atomic.
    QSqlQuery check(db);
    const bool ok = check.exec(QStringLiteral(
        "UPDATE Scanimp SET SC_State = CASE"
        " WHEN SC_EntryType = 1 AND COALESCE((SELECT O_ID FROM Objekte WHERE O_Nr = Scanimp.SC_ObjNr LIMIT 1), 0) <> 0"
        " THEN 1"
        " WHEN SC_EntryType = 2 AND COALESCE((SELECT T_ID FROM Taetig WHERE T_Nr = Scanimp.SC_TaetigNr LIMIT 1), 0) <> 0"
        " THEN 1"
        " WHEN SC_EntryType = 3 AND COALESCE((SELECT P_ID FROM Personal WHERE P_Nr = Scanimp.SC_PersNr LIMIT 1), 0) <> 0"
        " THEN 1"
        " ELSE 2 END"
        " WHERE SC_TourType = 9"));
    if (!ok) {
        result.error = check.lastError().text();
        progress.setValue(0);
        return result;
    }
    result.checked = records;
    progress.setValue(records);
    return result;
}

} // namespace tekvora::posting
