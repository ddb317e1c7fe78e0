#pragma once

#include "posting/ScanTime.h"

#include <QVariant>

namespace tekvora::posting {

/// A scan time as the store keeps date-times ("yyyy-MM-dd hh:mm:ss"); the zero date-time is NULL.
QVariant scanMinuteToStorage(ScanMinute minute);
ScanMinute scanMinuteFromStorage(const QVariant &value);

/// Hours as the store keeps them: rounded to 10 decimals, like every duration this program writes.
double hoursToStorage(double hours);

} // namespace tekvora::posting
