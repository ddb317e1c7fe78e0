#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tekvora::stats {

/// The four statistics views of the main window, numbered as the reports know them.
enum class StatsView { Sites = 1, Persons = 2, Activities = 3, Accumulated = 4 };

/// How a column's stored value is shown.
enum class ColumnKind { Integer, Text, Date, DateTime, Duration };

struct StatsColumn
{
    QString caption;
    QString field; ///< the result column's name
    ColumnKind kind;
};

/// What a statistics grid selects and shows: its table, the field the period applies to, the
/// shown columns, further fields the window reads from the current row, the grouping and order.
struct ViewDefinition
{
    QString table;
    QString periodField; ///< empty for the visit's person rows, which follow their visit instead
    QList<StatsColumn> columns;
    QStringList extraFields;  ///< selected after the shown columns (keys, texts for the boxes)
    QStringList footerFields; ///< the columns summed in the footer
    QString groupBy;          ///< fields the rows are summed by; empty for plain rows
    QString orderBy;

    int columnOf(const QString &field) const;
};

const ViewDefinition &viewDefinition(StatsView view);

/// The person rows shown under a site visit (detail of the sites view), linked by SC_Ref.
const ViewDefinition &visitPersonsDefinition();

/// The visits of the editing dialog (primary key order) and the person records of a visit's
/// date, tour and site there.
const ViewDefinition &editVisitsDefinition();
const ViewDefinition &editPersonsDefinition();

/// Parses "1".."4"; false for anything else.
bool statsViewFromNumber(int number, StatsView *view);

} // namespace tekvora::stats
