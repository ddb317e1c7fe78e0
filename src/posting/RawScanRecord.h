#pragma once

#include "posting/ScanTime.h"

namespace tekvora::posting {

/// `SC_EntryType` of raw scan records.
enum EntryType : int {
    EntryVisit = 1,
    EntryActivity = 2,
    EntryPerson = 3,
};

/// `SC_TaetigNr` of the activity records the interpretation makes itself: a person left, the crew moved on.
constexpr int activityPersonLeaves = -2001;
constexpr int activitySiteChange = -2002;

/// Every record this program writes lies outside a tour plan.
constexpr int tourTypeOutsidePlan = 9;

/// How an interval ended: 'S' by scanning the same site, badge or card again, 'C' by another event.
enum class EndMode : char {
    Scan = 'S',
    Calc = 'C',
};

/// `SC_CalcMode` as stored: 0 for a scanned end, 1 for a calculated one.
inline int calcModeOf(EndMode mode)
{
    return mode == EndMode::Scan ? 0 : 1;
}

/// One interval cut out of a scan file, as it goes into `Scanimp`.
struct RawScanRecord
{
    int entryType = 0;
    int tourId = 0;
    int tourNr = 0;
    int objNr = 0;
    int objId = 0;
    int persNr = 0;
    int taetigNr = 0;
    int taetigId = 0;
    int jobId = 0;
    int tourType = tourTypeOutsidePlan;
    ScanMinute tourDate = 0; ///< midnight of the start day; 0 while the interval is open
    ScanMinute start = 0;
    ScanMinute end = 0;
    double dauer = 0.0;
    EndMode mode = EndMode::Calc;
    int scannerId = 0;
};

} // namespace tekvora::posting
