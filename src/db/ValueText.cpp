#include "db/ValueText.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace tekvora::db {

QString floatText(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    text.replace(QLatin1String("e+"), QLatin1String("E"));
    text.replace(u'e', u'E');
    return text;
}

QString valueText(const QVariant &value, FieldType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Bool:
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case FieldType::Int32:
    case FieldType::Int16:
        return QString::number(value.toLongLong());
    case FieldType::Float:
    case FieldType::Money:
        return floatText(value.toDouble());
    case FieldType::Date:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case FieldType::Time:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    case FieldType::DateTime: {
        const QDateTime when = value.toDateTime();
        if (when.time() == QTime(0, 0))
            return when.date().toString(QStringLiteral("dd.MM.yyyy"));
        return when.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    }
    case FieldType::Graphic:
        return {};
    default:
        return value.toString();
    }
}

} // namespace tekvora::db
