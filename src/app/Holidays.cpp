#include "app/Holidays.h"

#include <algorithm>

namespace tekvora::app {

QDate easterSunday(int year)
{
    const int k = year / 100;
    const int p = year / 300;
    const int q = year / 400;
    const int m = 15 + k - q - p;
    const int n = 4 + k - q;
    const int d = (19 * (year % 19) + m) % 30;
    const int e = (2 * (year % 4) + 4 * year + 6 * d + n) % 7;
    if (d + e <= 9)
        return QDate(year, 3, 22 + d + e);
    int day = d + e - 9;
    if (day == 26)
        day = 19;
    else if (day == 25 && d == 28 && (11 * (m + 1)) % 30 < 19)
        day = 18;
    return QDate(year, 4, day);
}

QList<Holiday> holidaysOf(int year)
{
    const QDate easter = easterSunday(year);
    return {
        {QDate(year, 1, 1), QStringLiteral("Neujahr")},
        {QDate(year, 5, 1), QStringLiteral("Maifeiertag")},
        {QDate(year, 10, 3), QStringLiteral("Nationalfeiertag")},
        {QDate(year, 12, 25), QStringLiteral("1. Weihnachtstag")},
        {QDate(year, 12, 26), QStringLiteral("2. Weihnachtstag")},
        {easter, QStringLiteral("1. Ostertag")},
        {easter.addDays(1), QStringLiteral("2. Ostertag")},
        {easter.addDays(-2), QStringLiteral("Karfreitag")},
        {easter.addDays(49), QStringLiteral("1. Pfingsttag")},
        {easter.addDays(50), QStringLiteral("2. Pfingsttag")},
        {easter.addDays(39), QStringLiteral("Christi Himmelfahrt")},
        {easter.addDays(60), QStringLiteral("Fronleichnam")},
    };
}

namespace {

/// Calendar cells and statistics rows ask day after day of the same year.
const QList<Holiday> &cachedHolidaysOf(int year)
{
    thread_local int cachedYear = 0;
    thread_local QList<Holiday> cached;
    if (cached.isEmpty() || cachedYear != year) {
        cached = holidaysOf(year);
        cachedYear = year;
    }
    return cached;
}

const Holiday *findHoliday(const QDate &date)
{
    if (!date.isValid())
        return nullptr;
    const QList<Holiday> &table = cachedHolidaysOf(date.year());
    const auto found = std::find_if(table.cbegin(), table.cend(),
                                    [&date](const Holiday &holiday) { return holiday.date == date; });
    return found == table.cend() ? nullptr : &*found;
}

} // namespace

bool isHoliday(const QDate &date)
{
    return findHoliday(date) != nullptr;
}

bool isHoliday(int year, int month, int day)
{
    return isHoliday(QDate(year, month, day));
}

QString holidayName(int year, int month, int day)
{
    const Holiday *holiday = findHoliday(QDate(year, month, day));
    return holiday ? holiday->name : QStringLiteral("Unbekannter Feiertag");
}

} // namespace tekvora::app
