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
    return toScanMinute(dateTime.date(), time.hour(), time.minute());
}

ScanMinute toScanMinute(const QDate &date, int hour, int minute)
{
    if (!date.isValid())
        return 0;
    return (date.toJulianDay() - zeroJulianDay()) * minutesPerDay + hour * 60 + minute;
}

ScanMinute startOfScanDay(ScanMinute minute)
{
    return minute == 0 ? 0 : floorDay(minute) * minutesPerDay;
}

QTime timeOfScanMinute(ScanMinute minute)
{
    const qint64 ofDay = minuteOfDay(minute);
    return QTime(int(ofDay / 60), int(ofDay % 60));
}

QString scanTimeText(ScanMinute minute)
{
    const qint64 ofDay = minuteOfDay(minute);
    const char16_t text[] = {char16_t(u'0' + ofDay / 600), char16_t(u'0' + ofDay / 60 % 10), u':',
                             char16_t(u'0' + ofDay % 60 / 10), char16_t(u'0' + ofDay % 60 % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 5);
}

QDateTime fromScanMinute(ScanMinute minute)
{
    if (minute == 0)
        return {};
    return QDateTime(dateOfScanMinute(minute), timeOfScanMinute(minute));
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
