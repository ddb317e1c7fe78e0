#pragma once

#include "db/ui/GridColumn.h"
#include "db/ui/SearchKeyFilter.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSqlDatabase>
#include <QVector>

namespace tekvora::db {

/// Read-only rows of one table for a grid, fetched page by page as the view asks for them, so a
/// table of any size opens at once. Ordering and searching run in SQL; rows are never all loaded.
class SqlGridModel : public QAbstractTableModel
{
public:
    SqlGridModel(QSqlDatabase db, QString table, QString keyField, GridColumns columns, SqlFilter filter = {},
                 QObject *parent = nullptr);

    /// Reads the table's fields and counts the rows; false with `lastError()` when the table cannot be read.
    bool open();
    QString lastError() const { return m_lastError; }

    const GridColumns &columns() const { return m_columns; }
    QString keyField() const { return m_keyField; }

    /// Orders by `field` (a field of the table); ties in key order. An unknown field orders by the key.
    void setSortField(const QString &field);
    QString sortField() const { return m_sortField; }
    /// The column showing the sort field, or -1.
    int sortColumn() const;

    SearchFieldKind searchKind(int column) const;

    QVariant keyAt(int row) const;
    /// The row of the record whose key is `key`, or -1.
    int rowOfKey(const QVariant &key) const;
    /// The first row whose sort value is not below `searchText`, compared the way the order runs.
    int rowOfNearest(const QString &searchText) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    using Row = QVector<QVariant>;

    QString quoted(const QString &field) const;
    QString orderTerm(const QString &field) const;
    QString whereClause(const QString &extra) const;
    QVariantList filterValues() const;
    bool isTextField(const QString &field) const;
    int countRows(const QString &condition, const QVariantList &values) const;
    const QVector<Row> *page(int pageNo) const;
    void resetPages();

    QSqlDatabase m_db;
    QString m_table;
    QString m_keyField;
    GridColumns m_columns;
    SqlFilter m_filter;
    QString m_sortField;
    mutable QString m_lastError;
    QHash<QString, QString> m_fieldTypes; // lower-cased field name -> declared type, upper-cased
    int m_rowCount = 0;
    mutable QHash<int, QVector<Row>> m_pages;
};

} // namespace tekvora::db
