#include "stats/GridFilter.h"

#include "app/Durations.h"
#include "stats/StatsFormat.h"
#include "stats/StatsStorage.h"


namespace tekvora::stats {

namespace {

QString quoted(const QString &field)
{
    return QLatin1Char('"') + field + QLatin1Char('"');
}

bool parseMoment(const QString &text, QDateTime *low, QDateTime *high)
{
    const QString trimmed = text.simplified();
    const QDateTime minute = QDateTime::fromString(trimmed, QStringLiteral("dd.MM.yyyy hh:mm"));
    if (minute.isValid()) {
        *low = minute;
        *high = minute.addSecs(60);
        return true;
    }
    const QDate day = QDate::fromString(trimmed, QStringLiteral("dd.MM.yyyy"));
    if (!day.isValid())
        return false;
    *low = day.startOfDay();
    *high = day.addDays(1).startOfDay();
    return true;
}

QString comparison(FilterOperator op)
{
    switch (op) {
    case FilterOperator::Equal:
        return QStringLiteral("=");
    case FilterOperator::NotEqual:
        return QStringLiteral("<>");
    case FilterOperator::Less:
        return QStringLiteral("<");
    case FilterOperator::LessOrEqual:
        return QStringLiteral("<=");
    case FilterOperator::Greater:
        return QStringLiteral(">");
    case FilterOperator::GreaterOrEqual:
        return QStringLiteral(">=");
    case FilterOperator::Contains:
        break;
    }
    return QStringLiteral("LIKE");
}

// A date or minute stands for the span [low, high).
QString momentSql(const QString &field, FilterOperator op)
{
    switch (op) {
    case FilterOperator::Equal:
        return QStringLiteral("(%1 >= ? AND %1 < ?)").arg(field);
    case FilterOperator::NotEqual:
        return QStringLiteral("(%1 < ? OR %1 >= ?)").arg(field);
    case FilterOperator::Less:
        return QStringLiteral("(%1 < ?)").arg(field);
    case FilterOperator::LessOrEqual:
        return QStringLiteral("(%1 < ?)").arg(field);
    case FilterOperator::Greater:
        return QStringLiteral("(%1 >= ?)").arg(field);
    case FilterOperator::GreaterOrEqual:
    case FilterOperator::Contains:
        break;
    }
    return QStringLiteral("(%1 >= ?)").arg(field);
}

QVariantList momentValues(const FilterCondition &c)
{
    switch (c.op) {
    case FilterOperator::Equal:
    case FilterOperator::NotEqual:
        return {c.low, c.high};
    case FilterOperator::LessOrEqual:
    case FilterOperator::Greater:
        return {c.high};
    default:
        return {c.low};
    }
}

QString likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

QList<FilterOperator> filterOperators(ColumnKind kind)
{
    QList<FilterOperator> ops{FilterOperator::Equal,       FilterOperator::NotEqual, FilterOperator::Less,
                              FilterOperator::LessOrEqual, FilterOperator::Greater,  FilterOperator::GreaterOrEqual};
    if (kind == ColumnKind::Text)
        ops.prepend(FilterOperator::Contains);
    return ops;
}

QString filterOperatorText(FilterOperator op)
{
    return op == FilterOperator::Contains ? QStringLiteral("enthält") : comparison(op);
}

bool makeFilterCondition(const StatsColumn &column, FilterOperator op, const QString &text,
                         FilterCondition *condition, QString *error)
{
    FilterCondition c{column, op, text.trimmed(), {}, {}};
    if (op == FilterOperator::Contains && column.kind != ColumnKind::Text) {
        *error = QStringLiteral("\"enthält\" gibt es nur für Textspalten.");
        return false;
    }
    switch (column.kind) {
    case ColumnKind::Text:
        c.low = op == FilterOperator::Contains ? likePattern(c.valueText) : c.valueText;
        break;
    case ColumnKind::Integer: {
        bool ok = false;
        const qlonglong number = c.valueText.toLongLong(&ok);
        if (!ok) {
            *error = QStringLiteral("Bitte eine ganze Zahl eingeben.");
            return false;
        }
        c.low = number;
        break;
    }
    case ColumnKind::Duration: {
        double hours = 0.0;
        if (!parseHoursInput(c.valueText, &hours)) {
            *error = QStringLiteral("Bitte eine Dauer in Stunden eingeben (z. B. 1,5 oder 1:30).");
            return false;
        }
        c.low = app::hoursToMinutes(hours);
        break;
    }
    case ColumnKind::Date:
    case ColumnKind::DateTime: {
        QDateTime low, high;
        if (!parseMoment(c.valueText, &low, &high)) {
            *error = QStringLiteral("Bitte ein Datum als TT.MM.JJJJ (mit Uhrzeit: TT.MM.JJJJ hh:mm) eingeben.");
            return false;
        }
        c.low = storedDateTime(low);
        c.high = storedDateTime(high);
        break;
    }
    }
    *condition = c;
    return true;
}

void GridFilter::set(const FilterCondition &condition)
{
    remove(condition.column.field);
    m_conditions.append(condition);
}

void GridFilter::remove(const QString &field)
{
    m_conditions.removeIf([&](const FilterCondition &c) { return c.column.field == field; });
}

QString GridFilter::text() const
{
    QStringList parts;
    for (const FilterCondition &c : m_conditions) {
        const QString value = c.column.kind == ColumnKind::Text ? QLatin1Char('"') + c.valueText + QLatin1Char('"')
                                                                 : c.valueText;
        parts << c.column.caption + QLatin1Char(' ') + filterOperatorText(c.op) + QLatin1Char(' ') + value;
    }
    return parts.join(QStringLiteral(" und "));
}

QString GridFilter::sql(QVariantList *values) const
{
    QStringList parts;
    for (const FilterCondition &c : m_conditions) {
        const QString field = quoted(c.column.field);
        switch (c.column.kind) {
        case ColumnKind::Date:
        case ColumnKind::DateTime:
            parts << momentSql(field, c.op);
            values->append(momentValues(c));
            break;
        case ColumnKind::Duration:
            // Whole minutes, as the grid shows them; stored hours are rarely exact.
            parts << QStringLiteral("(ROUND(%1 * 60) %2 ?)").arg(field, comparison(c.op));
            values->append(c.low);
            break;
        case ColumnKind::Text:
            parts << (c.op == FilterOperator::Contains ? QStringLiteral("(%1 LIKE ? ESCAPE '\\')").arg(field)
                                                       : QStringLiteral("(%1 %2 ?)").arg(field, comparison(c.op)));
            values->append(c.low);
            break;
        case ColumnKind::Integer:
            parts << QStringLiteral("(%1 %2 ?)").arg(field, comparison(c.op));
            values->append(c.low);
            break;
        }
    }
    return parts.join(QStringLiteral(" AND "));
}

} // namespace tekvora::stats
