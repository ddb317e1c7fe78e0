#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace tekvora::db {

/// How a column shows its field's value.
enum class GridDisplay {
    Plain,
    YesNo,        ///< "Ja" for true or not zero, "Nein" for false, zero or empty
    YesNoNullYes, ///< the same, but an empty value counts as "Ja"
    TwoDecimals,  ///< a number with two decimals after a decimal comma ("####0.00")
};

/// A value looked up in another table for each row: resultField of the row of `table` whose matchField
/// equals this row's sourceField ("T_Match" of "Taetig" where "T_Nr" = "TS_Taetigkeit").
struct GridLookup
{
    QString table;
    QString matchField;
    QString sourceField;

    bool isEmpty() const { return table.isEmpty(); }
};

/// One column of a grid as its window designs it: the table field shown, its title and width, how the
/// value is shown, whether it can be typed into, and for a looked-up column where its value comes from
/// (then `field` names the looked-up field; such a column is read-only and not searchable).
struct GridColumn
{
    QString field;
    QString title;
    int width = 80;
    GridDisplay display = GridDisplay::Plain;
    bool editable = false;
    GridLookup lookup = {};
};

using GridColumns = QList<GridColumn>;

/// A row condition in SQL with its values bound to the "?" placeholders; empty means all rows.
struct SqlFilter
{
    QString where;
    QVariantList values = {};

    bool isEmpty() const { return where.trimmed().isEmpty(); }
};

} // namespace tekvora::db
