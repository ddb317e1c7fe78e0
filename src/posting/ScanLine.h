#pragma once

#include "posting/KindCodes.h"
#include "posting/ScanTime.h"

namespace tekvora::posting {

/// A barcode line of the scan file: "dd.mm.yyyy hh:mm CCnumber".
struct ScanLine
{
    ScanMinute time = 0; ///< 0 when the date or time does not parse
    KindCode kind = KindUnknown;
    int number = 0; ///< the text after the code, trimmed; 0 when it is no decimal integer
};

ScanLine parseScanLine(QStringView line);

} // namespace tekvora::posting
