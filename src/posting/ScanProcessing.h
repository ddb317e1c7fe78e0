#pragma once

#include "posting/ScanInterpreter.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QStringList>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::posting {

struct ScanProcessingRequest
{
    QSqlDatabase db;
    QString scanFile; ///< "Scanimp.txt" in the scanner directory
    ScanStandards standards;
    QDateTime now; ///< stamps the archive name
};

/// What the processing dialog shows afterwards.
struct ScanProcessingResult
{
    QStringList listing;  ///< the file's lines, the header, the rule, one line per saved record, the rule
    QString deviceId;     ///< the scanner id padded to 8 digits ("Geräte-ID")
    int barcodeCount = 0; ///< "Barcodes"
    int recordCount = 0;  ///< "Datensätze": records saved
    bool saved = false;   ///< records saved and `SV_LetzterScan` stored
    QString archiveFile;  ///< the file's new name when it was archived
};

/// "Import verarbeiten": interprets the scan file, saves its records into `Scanimp`, remembers the
/// last processed line for the scanner and archives the file as "Sc<id>_<stamp>.SOF". Every message
/// and question goes through `prompt`.
ScanProcessingResult processScanFile(const ScanProcessingRequest &request, app::UserPrompt &prompt);

} // namespace tekvora::posting
