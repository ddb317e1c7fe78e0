#include "app/PackedDate.h"

namespace tekvora::app {

namespace {

constexpr int firstPackedYear = 1899;

int dayOf(PackedDate packed) { return static_cast<int>(packed >> 24); }
int monthOf(PackedDate packed) { return static_cast<int>((packed >> 16) & 0xFF); }
int yearOf(PackedDate packed) { return static_cast<int>(packed & 0xFFFF); }

PackedDate pack(int year, int month, int day)
{
    return (static_cast<quint32>(day) << 24) | (static_cast<quint32>(month) << 16) | static_cast<quint32>(year);
}

} // namespace

PackedDate packDate(const QDate &date)
{
    if (!date.isValid() || date.year() < firstPackedYear || date.year() > 0xFFFF)
        return 0;
    return pack(date.year(), date.month(), date.day());
}

QDate unpackDate(PackedDate packed)
{
    const int day = dayOf(packed);
    const int month = monthOf(packed);
    const int year = yearOf(packed);
    if (year < firstPackedYear || day < 1 || month < 1 || month > 12)
        return {};
    return QDate(year, month, day); // invalid when the day is beyond the month's length
}

QString packedDateText(PackedDate packed)
{
    if (dayOf(packed) == 0)
        return QStringLiteral("  .  .    ");
    return QStringLiteral("%1.%2.%3")
        .arg(dayOf(packed), 2, 10, QLatin1Char('0'))
        .arg(monthOf(packed), 2, 10, QLatin1Char('0'))
        .arg(yearOf(packed), 4, 10, QLatin1Char('0'));
}

PackedDate nextMonth(PackedDate packed)
{
    if (dayOf(packed) == 0)
        return packed;
    int month = monthOf(packed) + 1;
    int year = yearOf(packed);
    if (month > 12) {
        month = 1;
        ++year;
    }
    const int length = QDate(year, month, 1).daysInMonth();
    return pack(year, month, qMin(dayOf(packed), length));
}

} // namespace tekvora::app
