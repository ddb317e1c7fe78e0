#include "app/Dates.h"

#include "app/Conversions.h"
#include "app/PackedDate.h"

namespace tekvora::app {

namespace {

const QString dateFormat = QStringLiteral("dd.MM.yyyy");

/// A strict unsigned decimal (blanks around allowed); -1 when not one.
int decimalPart(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 9)
        return -1;
    for (const QChar c : trimmed)
        if (!c.isDigit() || c.unicode() > u'9')
            return -1;
    return trimmed.toInt();
}

} // namespace

QString dateText(const QDate &date)
{
    return packedDateText(packDate(date));
}

QString dateTimeText(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.toString(QStringLiteral("dd.MM.yyyy hh:mm")) : QString();
}

QString sqlDateLiteral(const QDate &date)
{
    return QLatin1Char('\'') + date.toString(dateFormat) + QLatin1Char('\'');
}

QString sqlDateTimeLiteral(const QDateTime &dateTime)
{
    return QLatin1Char('\'') + dateTime.toString(QStringLiteral("dd.MM.yyyy hh:mm")) + QLatin1Char('\'');
}

QString stamp(const QDateTime &dateTime, bool withTime)
{
    const QDate date = dateTime.date();
    QString text = QStringLiteral("%1-%2-%3")
                       .arg(date.year())
                       .arg(date.month(), 2, 10, QLatin1Char('0'))
                       .arg(date.day(), 2, 10, QLatin1Char('0'));
    if (withTime)
        text += dateTime.time().toString(QStringLiteral("_hh-mm-ss"));
    return text;
}

QString todayText()
{
    return dateText(QDate::currentDate());
}

QString timeNowText()
{
    return timeText(QTime::currentTime());
}

QString timeText(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QString shortTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

QDate textToDate(const QString &text)
{
    const qsizetype first = text.indexOf(QLatin1Char('.'));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char('.'), first + 1);
    if (second < 0)
        return {};
    const int day = decimalPart(text.left(first));
    const int month = decimalPart(text.mid(first + 1, second - first - 1));
    const int year = decimalPart(text.mid(second + 1));
    if (year < 1000 || month < 1 || day < 1)
        return {};
    return QDate(year, month, day);
}

QDateTime textToDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    const QDate date = textToDate(blank < 0 ? trimmed : trimmed.left(blank));
    if (!date.isValid())
        return {};
    if (blank < 0)
        return QDateTime(date, QTime(0, 0));
    const QString timePart = trimmed.mid(blank + 1).trimmed();
    QTime time = QTime::fromString(timePart, QStringLiteral("h:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(timePart, QStringLiteral("h:mm"));
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

int daysInMonth(int year, int month)
{
    if (year == 0 || month < 1 || month > 12)
        return 0;
    return QDate(year, month, 1).daysInMonth();
}

QString weekdayLetters(int weekday)
{
    if (weekday < 1 || weekday > 7)
        return QStringLiteral("??");
    return germanLocale().dayName(weekday, QLocale::ShortFormat).left(2);
}

QString monthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return germanLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString shortMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return germanLocale().standaloneMonthName(month, QLocale::ShortFormat);
}

QDate firstOfMonth(const QDate &date)
{
    return QDate(date.year(), date.month(), 1);
}

QDate lastOfMonth(const QDate &date)
{
    return QDate(date.year(), date.month(), date.daysInMonth());
}

QDate firstOfYear(const QDate &date)
{
    return QDate(date.year(), 1, 1);
}

QDate lastOfYear(const QDate &date)
{
    return QDate(date.year(), 12, 31);
}

bool dateInSpan(const QDate &date, const QDate &from, const QDate &to)
{
    if (!date.isValid() || !from.isValid() || !to.isValid())
        return true;
    return from <= date && date <= to;
}

} // namespace tekvora::app
