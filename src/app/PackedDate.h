#pragma once

#include <QDate>
#include <QString>

namespace tekvora::app {

/// Day in bits 24-31, month in bits 16-23, year in bits 0-15; day 0 means no date.
using PackedDate = quint32;

/// The packed form; 0 for an invalid date or one before 1899.
PackedDate packDate(const QDate &date);
/// The date, or an invalid QDate when the value is no date from 1899 on.
QDate unpackDate(PackedDate packed);
/// "dd.mm.yyyy" of the packed fields; "  .  .    " when the day is 0.
QString packedDateText(PackedDate packed);
/// The same day one month later, reduced to the new month's last day; 0 stays 0.
PackedDate nextMonth(PackedDate packed);

} // namespace tekvora::app
