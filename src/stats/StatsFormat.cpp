#include "stats/StatsFormat.h"

#include "app/Durations.h"
#include "stats/StatsStorage.h"

#include <cmath>

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

bool parseHoursInput(const QString &text, double *hours)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    bool ok = false;
    if (colon >= 0) {
        const QString wholePart = trimmed.left(colon);
        const bool negative = wholePart.startsWith(QLatin1Char('-'));
        const qint64 whole = wholePart.isEmpty() || wholePart == QLatin1String("-") ? 0 : wholePart.toLongLong(&ok);
        if (!wholePart.isEmpty() && wholePart != QLatin1String("-") && !ok)
            return false;
        const QString minutePart = trimmed.mid(colon + 1);
        const int minutes = minutePart.toInt(&ok);
        if (!ok || minutePart.size() != 2 || minutes < 0 || minutes > 59 || std::abs(whole) > 1000000)
            return false;
        const double value = double(std::abs(whole)) + minutes / 60.0;
        *hours = negative ? -value : value;
        return true;
    }
    const double value = QString(trimmed).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1000000.0)
        return false;
    *hours = value;
    return true;
}

} // namespace tekvora::stats
