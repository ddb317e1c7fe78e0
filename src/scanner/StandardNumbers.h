#pragma once

#include <QtGlobal>

namespace tekvora::scanner {

struct ScanSettings;

/// The program-wide fallbacks of the scan interpretation: the site and the person taken when a
/// scan run names none. Loaded from "Scandata.ini" by the scanner and the posting dialogs.
struct StandardNumbers
{
    qint64 site = 999999;
    qint64 person = 9999;
};

StandardNumbers &standardNumbers();

/// Takes the numbers of `settings` that are numbers; the others stay as they are.
void takeStandardNumbers(const ScanSettings &settings);

} // namespace tekvora::scanner
