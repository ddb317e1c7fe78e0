#include "scanner/ScanTime.h"

namespace tekvora::scanner {

QDateTime zeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

QDateTime parseTimeStampText(const QString &text)
{
    const auto number = [&](qsizetype from, qsizetype length, bool &ok) { return text.mid(from, length).trimmed().toInt(&ok); };
    bool okHour = false, okMinute = false, okSecond = false;
    int hour = number(0, 2, okHour);
    const int minute = number(3, 2, okMinute);
    const int second = number(6, 2, okSecond);
    const QString half = text.mid(9, 2);
    if (half == QLatin1String("PM") && hour < 12)
        hour += 12;
    else if (half == QLatin1String("AM") && hour > 11)
        hour -= 12;

    const QStringList dateParts = text.mid(12).split(QLatin1Char('/'));
    const auto part = [&](int index, int fallback) {
        bool ok = false;
        const int value = dateParts.value(index).trimmed().toInt(&ok);
        return ok ? value : fallback;
    };
    const QDate date(part(2, 0) + 2000, part(0, 1), part(1, 1));
    const QTime time(hour, minute, second);
    if (!okHour || !okMinute || !okSecond || !date.isValid() || !time.isValid())
        return zeroDateTime();
    return QDateTime(date, time);
}

QString clockDisplayText(const QDateTime &time)
{
    return time.toString(QStringLiteral("dd.MM.yyyy-hh:mm:ss"));
}

} // namespace tekvora::scanner
