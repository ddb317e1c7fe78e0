#pragma once

#include "stats/StatsViews.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace tekvora::stats {

enum class FilterOperator { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains };

/// The operators offered for a column kind ("enthält" only for text).
QList<FilterOperator> filterOperators(ColumnKind kind);
QString filterOperatorText(FilterOperator op);

/// One condition of a grid filter, already checked and converted for SQL.
struct FilterCondition
{
    StatsColumn column;
    FilterOperator op = FilterOperator::Equal;
    QString valueText; ///< as the user typed it, for the filter text
    QVariant low;      ///< the value, or for dates and times the first moment it stands for
    QVariant high;     ///< dates and times only: the first moment after it
};

/// Builds a condition from the user's text. Numbers are whole numbers, durations hours ("1,5" or
/// "1:30"), dates "dd.mm.yyyy" with an optional "hh:mm". On bad input returns false and a German
/// message in *error.
bool makeFilterCondition(const StatsColumn &column, FilterOperator op, const QString &text,
                         FilterCondition *condition, QString *error);

/// The conditions a user set on a grid; all must hold.
class GridFilter
{
public:
    bool isEmpty() const { return m_conditions.isEmpty(); }
    const QList<FilterCondition> &conditions() const { return m_conditions; }
    /// Replaces the condition on the same column, or adds it.
    void set(const FilterCondition &condition);
    void remove(const QString &field);
    void clear() { m_conditions.clear(); }

    /// Human-readable, e.g. `ObjNr = 12 und Objekt-Bezeichnung enthält "Haus"`; printed reports show it.
    QString text() const;
    /// The SQL condition over the result columns with '?' placeholders; values appended to *values.
    /// Empty when there is no condition.
    QString sql(QVariantList *values) const;

private:
    QList<FilterCondition> m_conditions;
};

} // namespace tekvora::stats
