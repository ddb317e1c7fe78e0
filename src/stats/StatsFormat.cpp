#include "stats/StatsFormat.h"

#include "app/Durations.h"
#include "stats/StatsStorage.h"

namespace tekvora::stats {

QString columnText(ColumnKind kind, const QVariant &stored, bool hourMinuteFormat)
{
    if (stored.isNull())
        return {};
    switch (kind) {
    case ColumnKind::Date:
        return dateTimeFromStored(stored).toString(QStringLiteral("dd.MM.yyyy"));
    case ColumnKind::DateTime:
        return dateTimeFromStored(stored).toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    case ColumnKind::Duration:
        return app::hoursDisplayText(stored.toDouble(), hourMinuteFormat);
    case ColumnKind::Integer:
    case ColumnKind::Text:
        break;
    }
    return stored.toString();
}

} // namespace tekvora::stats
