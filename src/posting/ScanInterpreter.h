#pragma once

#include "posting/RawScanRecord.h"
#include "posting/ScannerRegister.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace tekvora::posting {

/// The fallback site and person of "Scandata.ini".
struct ScanStandards
{
    int site = 999999;
    int person = 9999;
};

/// The outcome of interpreting one scan file.
struct Interpretation
{
    QList<RawScanRecord> records;
    int barcodeCount = 0;
    int scannerId = 0;                        ///< from the last "SC_ID:" line read
    QString lastProcessedLine;                ///< stored as `SV_LetzterScan` after saving
    std::optional<int> unregisteredScannerId; ///< reading stopped at this scanner's "SC_ID:" line
};

/// Cuts the lines of a scan file into visits, presences and activity intervals. Lines up to the
/// scanner's `SV_LetzterScan` are skipped; every interval still open ends at the last scan's time.
Interpretation interpretScanLines(const QStringList &lines, const ScanStandards &standards,
                                  ScannerRegister &scanners);

} // namespace tekvora::posting
