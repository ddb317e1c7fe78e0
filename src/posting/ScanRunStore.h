#pragma once

#include "posting/RawScanRecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace tekvora::posting {

/// The German error of a failed save; empty when everything was saved.
struct ScanRunSaveResult
{
    QString error;
    bool ok() const { return error.isEmpty(); }
};

/// Appends the records of one processing run to `Scanimp` and stores the last processed line as
/// the scanner's `SV_LetzterScan`, in one transaction: a failure or crash leaves neither, so the
/// file can simply be processed again.
ScanRunSaveResult saveScanRun(QSqlDatabase db, const QList<RawScanRecord> &records, int scannerId,
                              const QString &lastProcessedLine);

} // namespace tekvora::posting
