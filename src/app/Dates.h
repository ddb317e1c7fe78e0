#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace tekvora::app {

/// "dd.mm.yyyy"; an invalid date gives "  .  .    ".
QString dateText(const QDate &date);
/// "dd.mm.yyyy hh:mm"; empty for an invalid value.
QString dateTimeText(const QDateTime &dateTime);
/// 'dd.mm.yyyy' in single quotes, for SQL text in the local dialect.
QString sqlDateLiteral(const QDate &date);
/// 'dd.mm.yyyy hh:mm' in single quotes.
QString sqlDateTimeLiteral(const QDateTime &dateTime);
/// "2009-03-05", with time "2009-03-05_14-07-09": for file names.
QString stamp(const QDateTime &dateTime, bool withTime);
QString todayText();
/// The current time as "hh:mm:ss".
QString timeNowText();
/// "hh:mm:ss".
QString timeText(const QTime &time);
/// "hh:mm".
QString shortTimeText(const QTime &time);

/// Day, month and year separated by the first two "."; invalid for any bad part or a year below 1000.
QDate textToDate(const QString &text);
/// "dd.mm.yyyy", optionally followed by "hh:mm" or "hh:mm:ss"; invalid when not readable.
QDateTime textToDateTime(const QString &text);

/// 28 to 31; 0 when year or month is 0 or the month is out of range.
int daysInMonth(int year, int month);
/// "Mo" ... "So" for Monday 1 ... Sunday 7; "??" otherwise.
QString weekdayLetters(int weekday);
/// "Januar" ...; empty outside 1 to 12.
QString monthName(int month);
/// "Jan" ...; empty outside 1 to 12.
QString shortMonthName(int month);

QDate firstOfMonth(const QDate &date);
QDate lastOfMonth(const QDate &date);
QDate firstOfYear(const QDate &date);
QDate lastOfYear(const QDate &date);

/// True when any of the three is no date; otherwise from <= date <= to.
bool dateInSpan(const QDate &date, const QDate &from, const QDate &to);

} // namespace tekvora::app
