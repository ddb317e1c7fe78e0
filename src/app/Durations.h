#pragma once

#include <QString>
#include <QTime>

namespace tekvora::app {

/// Hours times 60, rounded to the nearest minute with halves to even.
int hoursToMinutes(double hours);
double minutesToHours(int minutes);
/// Hours, ":" and two-digit minutes, hours right-aligned to width; negative values carry a "-"
/// in place of the leading blank or zero ("- 1:30", "-:30").
QString durationText(int width, double hours);
/// "h:mm" (or "h,mm") as minutes; a one-digit minute part counts as tens ("1:5" is 110),
/// a text without separator as whole hours, a leading "-" negates.
int textToMinutes(const QString &text);
double textToHours(const QString &text);
/// Hours from start to end by the times of day only, across midnight when end is earlier; seconds ignored.
double spanHours(const QTime &end, const QTime &start);

/// How a duration is shown on screen and on reports: " 1,50 Std" or " 1:30 Std" with the
/// "Stundenformat hh:mm" flag.
QString hoursDisplayText(double hours, bool hourMinuteFormat);
/// Reads back what hoursDisplayText showed; everything from "Std" on is ignored.
double hoursFromDisplayText(const QString &text, bool hourMinuteFormat);

} // namespace tekvora::app
