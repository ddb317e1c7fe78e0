#include "stats/StatsFormat.h"

#include "app/Durations.h"
#include "stats/StatsStorage.h"

#include <cmath>

namespace tekvora::stats {

namespace {

// Grids ask for every shown cell again and again: the stored "yyyy-MM-dd hh:mm:ss" is rearranged
// as text instead of going through QDateTime's format parser and the time zone.
bool isStoredDate(QStringView text)
{
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return false;
    bool ok[3] = {};
    const QDate date(text.left(4).toInt(&ok[0]), text.mid(5, 2).toInt(&ok[1]), text.mid(8, 2).toInt(&ok[2]));
    return ok[0] && ok[1] && ok[2] && date.isValid();
}

bool isStoredTime(QStringView text)
{
    if (text.size() < 16 || text[10] != u' ' || text[13] != u':')
        return false;
    bool ok[2] = {};
    const QTime time(text.mid(11, 2).toInt(&ok[0]), text.mid(14, 2).toInt(&ok[1]));
    return ok[0] && ok[1] && time.isValid();
}

QString shownDate(QStringView text)
{
    QString shown;
    shown.reserve(16);
    shown.append(text.mid(8, 2)).append(u'.').append(text.mid(5, 2)).append(u'.').append(text.left(4));
    return shown;
}

} // namespace

QString columnText(ColumnKind kind, const QVariant &stored, bool hourMinuteFormat)
{
    if (stored.isNull())
        return {};
    switch (kind) {
    case ColumnKind::Date: {
        const QString text = stored.toString();
        if (isStoredDate(text))
            return shownDate(text);
        return dateTimeFromStored(stored).toString(QStringLiteral("dd.MM.yyyy"));
    }
    case ColumnKind::DateTime: {
        const QString text = stored.toString();
        if (isStoredDate(text) && text.size() == 10)
            return shownDate(text) + QStringLiteral(" 00:00");
        if (isStoredDate(text) && isStoredTime(text))
            return shownDate(text).append(u' ').append(QStringView(text).mid(11, 5));
        return dateTimeFromStored(stored).toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    }
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
