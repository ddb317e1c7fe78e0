#include "scanner/StandardNumbers.h"

#include "scanner/ScanSettings.h"

namespace tekvora::scanner {

StandardNumbers &standardNumbers()
{
    static StandardNumbers numbers;
    return numbers;
}

void takeStandardNumbers(const ScanSettings &settings)
{
    bool ok = false;
    const qint64 site = settings.standardSite.toLongLong(&ok);
    if (ok)
        standardNumbers().site = site;
    const qint64 person = settings.standardPerson.toLongLong(&ok);
    if (ok)
        standardNumbers().person = person;
}

} // namespace tekvora::scanner
