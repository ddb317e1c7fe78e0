#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace tekvora::db {

/// One column of a grid as its window designs it: the table field shown, its title and width.
struct GridColumn
{
    QString field;
    QString title;
    int width = 80;
};

using GridColumns = QList<GridColumn>;

/// A row condition in SQL with its values bound to the "?" placeholders; empty means all rows.
struct SqlFilter
{
    QString where;
    QVariantList values;

    bool isEmpty() const { return where.trimmed().isEmpty(); }
};

} // namespace tekvora::db
