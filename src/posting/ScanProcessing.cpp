#include "posting/ScanProcessing.h"

#include "app/UserPrompt.h"
#include "posting/PostingTexts.h"
#include "posting/ScanFileReader.h"
#include "posting/ScanListing.h"
#include "posting/ScanRunStore.h"
#include "posting/ScandevRegister.h"
#include "scanner/ScanFile.h"

#include <QFile>
#include <QFileInfo>

namespace tekvora::posting {

ScanProcessingResult processScanFile(const ScanProcessingRequest &request, app::UserPrompt &prompt)
{
    ScanProcessingResult result;
    const std::optional<QStringList> lines =
        QFile::exists(request.scanFile) ? readScanFileLines(request.scanFile) : std::nullopt;
    if (!lines) {
        prompt.error(texts::noScanData);
        return result;
    }
    result.listing = *lines;
    result.listing << scanListingHeader() << scanListingRule();

    ScandevRegister scanners(request.db);
    const Interpretation run = interpretScanLines(*lines, request.standards, scanners);
    result.barcodeCount = run.barcodeCount;
    result.deviceId = QString::number(run.scannerId).rightJustified(8, QLatin1Char('0'));
    if (run.unregisteredScannerId)
        prompt.error(texts::unregisteredScanner + QString::number(*run.unregisteredScannerId));

    if (run.barcodeCount == 0 || run.records.isEmpty()) {
        // The scans of a scanner not registered yet are kept for the run after its registration; a script's
        // blanket "yes" must not throw them away.
        if (!run.unregisteredScannerId
            && prompt.confirm(run.barcodeCount == 0 ? texts::noUsableScans : texts::noRecordsMade))
            QFile::remove(request.scanFile);
        return result;
    }

    const ScanRunSaveResult save = saveScanRun(request.db, run.records, run.scannerId, run.lastProcessedLine);
    if (!save.ok()) {
        prompt.error(save.error);
        return result;
    }
    result.saved = true;
    result.recordCount = int(run.records.size());
    result.listing.reserve(result.listing.size() + run.records.size() + 1);
    for (const RawScanRecord &record : run.records)
        result.listing << scanListingLine(record);
    result.listing << scanListingRule();

    prompt.inform(texts::processingDone(run.barcodeCount, result.recordCount, run.lastProcessedLine));
    const QString archive =
        QFileInfo(request.scanFile).absolutePath() + QLatin1Char('/') + scanner::scanFileArchiveName(run.scannerId, request.now);
    if (QFile::exists(archive) || !QFile::rename(request.scanFile, archive))
        prompt.error(texts::renameFailed);
    else
        result.archiveFile = archive;
    return result;
}

} // namespace tekvora::posting
