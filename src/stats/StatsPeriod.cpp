#include "stats/StatsPeriod.h"

namespace tekvora::stats {

StatsPeriod StatsPeriod::monthOf(const QDate &day)
{
    const QDate first(day.year(), day.month(), 1);
    return {first, first.addMonths(1).addDays(-1)};
}

QString StatsPeriod::text() const
{
    return start.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" bis ")
           + end.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace tekvora::stats
