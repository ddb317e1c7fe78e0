#pragma once

#include "db/ui/GridColumn.h"

namespace tekvora::masterdata
{

/// The site list's filter mode from its two check boxes: "Aktive" only 1, "Inaktive" only 2, both 3,
/// neither 0. Modes 0 and 3 show every site.
int siteFilterMode(bool activeTicked, bool inactiveTicked);

/// The row condition of a filter mode; a site whose O_Aktiv is empty counts as active.
db::SqlFilter siteFilter(int mode);

} // namespace tekvora::masterdata
