#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tekvora::scanner {

/// 30.12.1899 00:00, what a time-stamp text without a valid date gives.
QDateTime zeroDateTime();

/// Reads "hh:mm:ss AM mm/dd/yy" by position: hour 1-2, minute 4-5, second 7-8, AM/PM 10-11, then
/// month/day/year from 13 (year + 2000). Missing date parts are 1, 1, 2000.
QDateTime parseTimeStampText(const QString &text);

/// "dd.mm.yyyy-hh:nn:ss", how the scanner clock is shown.
QString clockDisplayText(const QDateTime &time);

} // namespace tekvora::scanner
