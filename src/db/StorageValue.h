#pragma once

#include "db/Schema.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace tekvora::db {

// How values lie in the store: dates "yyyy-MM-dd", date-times "yyyy-MM-dd hh:mm:ss", times "hh:mm:ss",
// booleans 0/1. Bind values through toStorage, never a raw QDate or QDateTime.

QString dateToStorage(const QDate &date);         ///< "yyyy-MM-dd"; empty for an invalid date
QString dateTimeToStorage(const QDateTime &when); ///< "yyyy-MM-dd hh:mm:ss"; empty for an invalid one
/// The same from a date and a time of day, without a time zone; empty for an invalid date.
QString dateTimeToStorage(const QDate &date, const QTime &time);
QString timeToStorage(const QTime &time);         ///< "hh:mm:ss"; empty for an invalid time

/// The value as the store keeps it: dates, date-times and times as text, bool as 0/1; an invalid date or a
/// null value gives a null value; anything else unchanged.
QVariant toStorage(const QVariant &value);

/// The value converted for a field of that type (a stored date to a QDate, ...); null stays null.
/// A date-time field also reads a plain date, a date field also a date-time (its date part).
QVariant toStorage(const QVariant &value, FieldType type);

/// A stored value read back as the field type: QDate, QDateTime, QTime, bool, int, double, QString, QByteArray.
/// Null stays null.
QVariant fromStorage(const QVariant &stored, FieldType type);

} // namespace tekvora::db
