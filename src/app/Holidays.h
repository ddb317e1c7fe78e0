#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace tekvora::app {

/// A German public holiday of one year.
struct Holiday
{
    QDate date;
    QString name;
};

/// Easter Sunday by Gauss's rule.
QDate easterSunday(int year);
/// The public holidays of the year, fixed ones first, then those that follow Easter.
QList<Holiday> holidaysOf(int year);
bool isHoliday(const QDate &date);
bool isHoliday(int year, int month, int day);
/// The holiday's name, else "Unbekannter Feiertag".
QString holidayName(int year, int month, int day);

} // namespace tekvora::app
