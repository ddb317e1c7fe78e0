#pragma once

#include "posting/RawScanRecord.h"

#include <QString>

namespace tekvora::posting {

/// Column titles above the record lines of a processing run.
QString scanListingHeader();
/// The line of 107 "-" under the header and after the last record line.
QString scanListingRule();
/// "#MD 1 ..." — one line per saved record, aligned under the header.
QString scanListingLine(const RawScanRecord &record);

} // namespace tekvora::posting
