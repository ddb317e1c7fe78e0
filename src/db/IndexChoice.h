#pragma once

#include "db/Schema.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tekvora::db {

/// The field and column a grid was sorted by last; one for the whole program.
struct SortState
{
    QString lastField;
    int lastColumn = -1;
};

/// SortState of the program.
SortState &lastSort();

/// What a grid should do: switch to the index (when there is one) and mark the column (-1: none).
struct IndexChoice
{
    std::optional<IndexDef> index;
    int column = -1;
};

/// A clicked column title: the first index whose field list begins with the field (plain text, so "O_Nr"
/// also matches "O_NrAlt"); without one, or without a column of that field, the grid's first column's field
/// through chooseIndexForField. Remembers the field and the marked column in state.
IndexChoice chooseIndexForColumn(SortState &state, const QList<IndexDef> &indexes, const QStringList &columnFields,
                                 const QString &field);

/// The index whose field list holds the field's first ten characters earliest (the first index on a tie);
/// nothing changes when the field equals the last sort field and force is false, or when no index holds it.
IndexChoice chooseIndexForField(SortState &state, const QList<IndexDef> &indexes, const QStringList &columnFields,
                                const QString &field, bool force);

} // namespace tekvora::db
