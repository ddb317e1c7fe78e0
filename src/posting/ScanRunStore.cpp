#include "posting/ScanRunStore.h"

#include "db/BulkStatement.h"
#include "posting/PostingTexts.h"
#include "posting/ScanStorage.h"
#include "db/SqlTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::posting {

namespace {

bool insertRecords(QSqlDatabase &db, const QList<RawScanRecord> &records, QString &error)
{
    QSqlQuery max(db);
    if (!max.exec(QStringLiteral("SELECT max(SC_ID), max(SC_Seq) FROM Scanimp")) || !max.next()) {
        error = max.lastError().text();
        return false;
    }
    int id = max.value(0).toInt();
    int group = max.value(1).toInt();

    db::BulkStatement insert(db, QStringLiteral(
        "INSERT INTO Scanimp (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_PersNr,"
        " SC_TaetigNr, SC_TaetigID, SC_JobID, SC_TourType, SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer,"
        " SC_CalcMode, SC_ScannerID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const RawScanRecord &r : records) {
        ++id;
        // A visit opens a new group; its people and activities join the group of the visit before them.
        if ((r.entryType == EntryVisit && r.tourId == 0) || r.entryType == 0)
            ++group;
        const QVariantList values{id, group, r.entryType, r.tourId, r.tourNr, r.objNr, r.objId, r.persNr,
                                  r.taetigNr, r.taetigId, r.jobId, r.tourType, scanMinuteToStorage(r.tourDate),
                                  scanMinuteToStorage(r.start), scanMinuteToStorage(r.end),
                                  hoursToStorage(r.dauer), calcModeOf(r.mode), r.scannerId};
        if (!insert.exec(values)) {
            error = insert.lastError();
            return false;
        }
    }
    return true;
}

} // namespace

ScanRunSaveResult saveScanRun(QSqlDatabase db, const QList<RawScanRecord> &records, int scannerId,
                              const QString &lastProcessedLine)
{
    db::SqlTransaction transaction(db);
    if (!transaction.isActive())
        return {texts::saveFailed + QLatin1Char('\n') + db.lastError().text()};
    QString error;
    if (!insertRecords(db, records, error))
        return {texts::saveFailed + QLatin1Char('\n') + error};

    // Bound, never spliced: the line is raw scanner text and may hold quotes or anything else.
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE Scandev SET SV_LetzterScan = ? WHERE SV_ScannerID = ?"));
    update.addBindValue(lastProcessedLine);
    update.addBindValue(scannerId);
    if (!update.exec())
        return {texts::scannerTableUpdateFailed + QLatin1Char('\n') + update.lastError().text()};

    if (!transaction.commit())
        return {texts::saveFailed + QLatin1Char('\n') + db.lastError().text()};
    return {};
}

} // namespace tekvora::posting
