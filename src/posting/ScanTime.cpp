#include "posting/ScanTime.h"

namespace tekvora::posting {

namespace {

constexpr qint64 minutesPerDay = 1440;

qint64 zeroJulianDay()
{
    static const qint64 day = QDate(1899, 12, 30).toJulianDay();
    return day;
}

qint64 minuteOfDay(ScanMinute minute)
{
    return ((minute % minutesPerDay) + minutesPerDay) % minutesPerDay;
}

qint64 floorDay(ScanMinute minute)
{
    return (minute - minuteOfDay(minute)) / minutesPerDay;
}

} // namespace

ScanMinute toScanMinute(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return 0;
    const QTime time = dateTime.time();
    return (dateTime.date().toJulianDay() - zeroJulianDay()) * minutesPerDay + time.hour() * 60 + time.minute();
}

QDateTime fromScanMinute(ScanMinute minute)
{
    if (minute == 0)
        return {};
    const qint64 ofDay = minuteOfDay(minute);
    return QDateTime(QDate::fromJulianDay(zeroJulianDay() + floorDay(minute)),
                     QTime(int(ofDay / 60), int(ofDay % 60)));
}

QDate dateOfScanMinute(ScanMinute minute)
{
    if (minute == 0)
        return {};
    return QDate::fromJulianDay(zeroJulianDay() + floorDay(minute));
}

double durationHours(ScanMinute start, ScanMinute end)
{
    qint64 minutes = minuteOfDay(end) - minuteOfDay(start);
    if (minutes < 0)
        minutes += minutesPerDay;
    return double(minutes) / 60.0;
}

} // namespace tekvora::posting
