#pragma once

#include "stats/StatsViews.h"

#include <QString>
#include <QVariant>

namespace tekvora::stats {

/// A stored value as the statistics show it: dates "dd.mm.yyyy", times "dd.mm.yyyy hh:mm",
/// durations " 1,25 Std" or, in the hour-and-minute format, " 1:15 Std".
QString columnText(ColumnKind kind, const QVariant &stored, bool hourMinuteFormat);

/// Hours as a user types them: decimal ("1,5", "1.5") or hours and minutes ("1:30"). False for
/// anything else, also minutes above 59.
bool parseHoursInput(const QString &text, double *hours);

} // namespace tekvora::stats
