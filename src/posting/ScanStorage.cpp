#include "posting/ScanStorage.h"

namespace tekvora::posting {

QVariant scanMinuteToStorage(ScanMinute minute)
{
    if (minute == 0)
        return QVariant(QMetaType::fromType<QString>());
    return fromScanMinute(minute).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

ScanMinute scanMinuteFromStorage(const QVariant &value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return 0;
    QDateTime dateTime = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!dateTime.isValid())
        dateTime = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return toScanMinute(dateTime);
}

double hoursToStorage(double hours)
{
    return QString::number(hours, 'f', 10).toDouble();
}

} // namespace tekvora::posting
