#pragma once

#include <QString>

namespace tekvora::posting {

/// Numbers of the two-letter barcode kind codes.
enum KindCode : int {
    KindAP = 0,
    KindWP = 1,
    KindWI = 2,
    KindPD = 3,
    KindWD = 4,
    KindCommand = 9,    ///< "MD"
    KindObjectId = 11,  ///< "OB"
    KindJobId = 12,     ///< "JN"
    KindSite = 13,      ///< "ON"
    KindStaff = 20,     ///< "MA"
    KindActivity = 21,  ///< "TN"
    KindAN = 22,
    KindUnknown = -1,
};

/// The number of a two-letter code (case-sensitive), KindUnknown when it is not one of ours.
KindCode kindCodeNumber(QStringView code);
/// The code shown for a number; "??" for any number without one.
QString kindCodeText(int number);

} // namespace tekvora::posting
