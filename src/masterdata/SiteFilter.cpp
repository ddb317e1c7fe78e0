#include "masterdata/SiteFilter.h"

namespace tekvora::masterdata
{

int siteFilterMode(bool activeTicked, bool inactiveTicked)
{
    return (activeTicked ? 1 : 0) + (inactiveTicked ? 2 : 0);
}

db::SqlFilter siteFilter(int mode)
{
    switch (mode) {
    case 1:
        return {QStringLiteral("(O_Aktiv IS NULL OR O_Aktiv <> 0)"), {}};
    case 2:
        return {QStringLiteral("O_Aktiv = 0"), {}};
    default:
        return {};
    }
}

} // namespace tekvora::masterdata
