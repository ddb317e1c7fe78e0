#pragma once

#include "db/ui/GridColumn.h"
#include "db/ui/SearchKeyFilter.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSqlDatabase>
#include <QVector>

#include <functional>

namespace tekvora::db {

/// The most characters a column's field takes (0: no limit); editors set it as their maximum length.
inline constexpr int GridMaxLengthRole = Qt::UserRole + 1;

/// Rows of one table for a grid, fetched page by page as the view asks for them, so a table of any size
/// opens at once. Ordering and searching run in SQL; rows are never all loaded. Looked-up columns are read
/// in the same statement. Read-only unless an edit handler is set: then the editable columns take typed
/// values, and the row being edited (or a new row after the last) shows its pending values.
class SqlGridModel : public QAbstractTableModel
{
public:
    /// Takes a typed value for the field of a row; false refuses it.
    using EditHandler = std::function<bool(int row, const QString &field, const QVariant &value)>;
    /// The pending value of a field of the row being edited.
    using PendingValues = std::function<QVariant(const QString &field)>;

    SqlGridModel(QSqlDatabase db, QString table, QString keyField, GridColumns columns, SqlFilter filter = {},
                 QObject *parent = nullptr);

    /// Reads the table's fields and counts the rows; false with `lastError()` when the table cannot be read.
    bool open();
    QString lastError() const { return m_lastError; }
    /// Reads the rows again (after a change of the table); sort order and filter stay.
    bool refresh() { return open(); }

    /// Another row condition; the rows are read again.
    bool setFilter(SqlFilter filter);
    const SqlFilter &filter() const { return m_filter; }

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

    void setEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }
    /// Shows the row's fields from `values` until dropPending; row == the row count adds a new last row.
    void showPending(int row, PendingValues values);
    void dropPending();
    int pendingRow() const { return m_pendingRow; }
    bool hasNewRow() const { return m_pendingRow >= 0 && m_pendingRow == m_rowCount; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    using Row = QVector<QVariant>;

    QString quoted(const QString &field) const;
    QString orderTerm(const QString &field) const;
    QString whereClause(const QString &extra) const;
    QVariantList filterValues() const;
    bool isTextField(const QString &field) const;
    QString selectTerm(const GridColumn &column) const;
    QVariant displayValue(int column, const QVariant &value) const;
    QVariant rowValue(int row, int column) const;
    QVariant pendingLookup(const GridColumn &column) const;
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
    EditHandler m_editHandler;
    PendingValues m_pending;
    int m_pendingRow = -1;
};

} // namespace tekvora::db
