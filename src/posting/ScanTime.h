#pragma once

#include <QDateTime>

namespace tekvora::posting {

/// A scan time to the minute, counted from 30.12.1899 00:00; 0 is the zero date-time, which the
/// interpretation also uses as "not set".
using ScanMinute = qint64;

ScanMinute toScanMinute(const QDateTime &dateTime);
/// Counted without a time zone, so a time in the night the clocks change stays as scanned; 0 for an invalid date.
ScanMinute toScanMinute(const QDate &date, int hour, int minute);
/// Midnight of the minute's day; 0 stays 0.
ScanMinute startOfScanDay(ScanMinute minute);
QTime timeOfScanMinute(ScanMinute minute);
/// "hh:mm" of the minute's time of day.
QString scanTimeText(ScanMinute minute);
/// The zero date-time gives an invalid QDateTime, so it is stored and shown as empty.
QDateTime fromScanMinute(ScanMinute minute);
QDate dateOfScanMinute(ScanMinute minute);

/// Hours between the times of day of start and end; dates are ignored and an end before the
/// start wraps over midnight (22:00 to 02:00 is 4 hours, 25 hours are 1 hour).
double durationHours(ScanMinute start, ScanMinute end);

} // namespace tekvora::posting
