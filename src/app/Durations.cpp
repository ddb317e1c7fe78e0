#include "app/Durations.h"

#include "app/Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tekvora::app {

namespace {

const QString hoursSuffix = QStringLiteral(" Std");
constexpr int maxDurationWidth = 17; // hours, ":" and two minute digits stay within 20 characters

} // namespace

int hoursToMinutes(double hours)
{
    const double minutes = std::nearbyint(hours * 60.0); // default rounding: halves to even
    if (!std::isfinite(minutes))
        return 0;
    return static_cast<int>(std::clamp(minutes, double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

double minutesToHours(int minutes)
{
    return minutes / 60.0;
}

QString durationText(int width, double hours)
{
    const qint64 minutes = hoursToMinutes(hours);
    const qint64 wholeHours = std::abs(minutes / 60);
    const qint64 restMinutes = std::abs(minutes % 60);
    QString text = intText(wholeHours, qMin(width, maxDurationWidth)) + QLatin1Char(':') + intZeros(restMinutes, 2);
    if (minutes < 0) {
        if (text.front() == QLatin1Char(' ') || text.front() == QLatin1Char('0'))
            text.front() = QLatin1Char('-');
        else
            text.prepend(QLatin1Char('-'));
    }
    return text;
}

int textToMinutes(const QString &text)
{
    QString rest = text.trimmed();
    const bool negative = rest.startsWith(QLatin1Char('-'));
    if (negative)
        rest = rest.mid(1);
    qsizetype separator = rest.indexOf(QLatin1Char(':'));
    if (separator < 0)
        separator = rest.indexOf(QLatin1Char(','));
    int minutes = 0;
    if (separator < 0) {
        minutes = textToInt(rest) * 60;
    } else {
        const QString minutePart = rest.mid(separator + 1).leftJustified(2, QLatin1Char('0'));
        minutes = textToInt(rest.left(separator)) * 60 + textToInt(minutePart);
    }
    return negative ? -minutes : minutes;
}

double textToHours(const QString &text)
{
    return minutesToHours(textToMinutes(text));
}

double spanHours(const QTime &end, const QTime &start)
{
    int minutes = (end.hour() * 60 + end.minute()) - (start.hour() * 60 + start.minute());
    if (minutes < 0)
        minutes += 24 * 60;
    return minutesToHours(minutes);
}

QString hoursDisplayText(double hours, bool hourMinuteFormat)
{
    return (hourMinuteFormat ? durationText(2, hours) : localText(6, 2, hours)) + hoursSuffix;
}

double hoursFromDisplayText(const QString &text, bool hourMinuteFormat)
{
    const qsizetype suffix = text.indexOf(QStringLiteral("Std"));
    const QString number = suffix < 0 ? text : text.left(suffix);
    return hourMinuteFormat ? textToHours(number) : textToFloat(number);
}

} // namespace tekvora::app
