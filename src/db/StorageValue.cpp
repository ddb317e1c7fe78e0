#include "db/StorageValue.h"

#include <cstdio>

namespace tekvora::db {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

QDateTime parseStoredDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    QDateTime when = QDateTime::fromString(trimmed, kDateTimeFormat);
    if (!when.isValid())
        when = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!when.isValid())
        when = QDateTime::fromString(trimmed, Qt::ISODate);
    if (!when.isValid()) {
        const QDate date = QDate::fromString(trimmed.left(10), kDateFormat);
        if (date.isValid())
            when = date.startOfDay();
    }
    return when;
}

/// Written by hand: the calendar-aware toString() costs more than the insert that stores the text.
QString storageText(const QDate &date, const QTime *time)
{
    if (!date.isValid())
        return {};
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    char text[32];
    const int length = time ? std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                                            time->hour(), time->minute(), time->second())
                            : std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return QString::fromLatin1(text, length);
}

} // namespace

QString dateToStorage(const QDate &date)
{
    return storageText(date, nullptr);
}

QString dateTimeToStorage(const QDateTime &when)
{
    if (!when.isValid())
        return {};
    const QTime time = when.time();
    return storageText(when.date(), &time);
}

QString dateTimeToStorage(const QDate &date, const QTime &time)
{
    const QTime ofDay = time.isValid() ? time : QTime(0, 0);
    return storageText(date, &ofDay);
}

QString timeToStorage(const QTime &time)
{
    return time.isValid() ? time.toString(kTimeFormat) : QString();
}

QVariant toStorage(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(dateToStorage(value.toDate())) : QVariant();
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(dateTimeToStorage(value.toDateTime())) : QVariant();
    case QMetaType::QTime:
        return value.toTime().isValid() ? QVariant(timeToStorage(value.toTime())) : QVariant();
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

QVariant toStorage(const QVariant &value, FieldType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Date: {
        const QDate date = value.typeId() == QMetaType::QString
                               ? parseStoredDateTime(value.toString()).date()
                               : (value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate());
        return date.isValid() ? QVariant(dateToStorage(date)) : QVariant();
    }
    case FieldType::DateTime: {
        const QDateTime when = value.typeId() == QMetaType::QString ? parseStoredDateTime(value.toString())
                               : value.typeId() == QMetaType::QDate ? value.toDate().startOfDay()
                                                                     : value.toDateTime();
        return when.isValid() ? QVariant(dateTimeToStorage(when)) : QVariant();
    }
    case FieldType::Time: {
        const QTime time = value.typeId() == QMetaType::QString ? QTime::fromString(value.toString(), kTimeFormat)
                                                                 : value.toTime();
        return time.isValid() ? QVariant(timeToStorage(time)) : QVariant();
    }
    case FieldType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return toStorage(value);
    }
}

QVariant fromStorage(const QVariant &stored, FieldType type)
{
    if (stored.isNull())
        return {};
    switch (type) {
    case FieldType::Int32:
    case FieldType::Int16:
        return stored.toInt();
    case FieldType::Float:
    case FieldType::Money:
        return stored.toDouble();
    case FieldType::Bool:
        return stored.toBool();
    case FieldType::Date: {
        const QDate date = parseStoredDateTime(stored.toString()).date();
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case FieldType::DateTime: {
        const QDateTime when = parseStoredDateTime(stored.toString());
        return when.isValid() ? QVariant(when) : QVariant();
    }
    case FieldType::Time: {
        QTime time = QTime::fromString(stored.toString(), kTimeFormat);
        if (!time.isValid())
            time = QTime::fromString(stored.toString(), QStringLiteral("hh:mm"));
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::FormattedMemo:
        return stored.toString();
    case FieldType::Graphic:
        return stored.toByteArray();
    }
    return stored;
}

} // namespace tekvora::db
