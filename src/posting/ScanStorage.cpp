#include "posting/ScanStorage.h"

#include "db/StorageValue.h"

namespace tekvora::posting {

QVariant scanMinuteToStorage(ScanMinute minute)
{
    if (minute == 0)
        return QVariant(QMetaType::fromType<QString>());
    return db::dateTimeToStorage(dateOfScanMinute(minute), timeOfScanMinute(minute));
}

ScanMinute scanMinuteFromStorage(const QVariant &value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return 0;
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11, 5), QStringLiteral("hh:mm"));
    return time.isValid() ? toScanMinute(date, time.hour(), time.minute()) : toScanMinute(date, 0, 0);
}

double hoursToStorage(double hours)
{
    return QString::number(hours, 'f', 10).toDouble();
}

} // namespace tekvora::posting
