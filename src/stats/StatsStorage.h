#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace tekvora::stats {

// Stored forms of dates and times in the statistics tables.
inline QVariant storedDateTime(const QDateTime &value)
{
    return value.isValid() ? QVariant(value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))) : QVariant();
}

inline QDateTime dateTimeFromStored(const QVariant &value)
{
    const QString text = value.toString();
    if (text.size() <= 10)
        return QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).startOfDay();
    return QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace tekvora::stats
