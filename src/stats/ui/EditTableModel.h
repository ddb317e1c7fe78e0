#pragma once

#include "stats/StatsQuery.h"
#include "stats/StatsViews.h"

#include <QAbstractTableModel>
#include <QSqlDatabase>

namespace tekvora::stats {

/// Rows of a statistics table for hand editing. Edits collect in a pending copy of one row
/// until the owner saves it (through the record rules) or drops it, as in a data-aware grid.
class EditTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// `editable` names the fields the user may type into; `extraFields` are selected besides the columns.
    EditTableModel(QList<StatsColumn> columns, QStringList editable, QStringList extraFields,
                   QObject *parent = nullptr);

    bool load(const QSqlDatabase &db, const BoundSql &sql, QString *error);
    void close();
    void setHourMinuteFormat(bool on);

    /// A field of a row by name, with the pending edit when the row is being edited.
    QVariant fieldValue(int row, const QString &field) const;
    void setFieldValue(int row, const QString &field, const QVariant &value);
    int rowOfId(qint64 id) const;
    const QList<StatsColumn> &columns() const { return m_columns; }

    /// Appends an empty row in insert state; returns its row.
    int appendPending(const QVariantMap &values = {});
    bool isPending() const { return m_pendingRow >= 0; }
    int pendingRow() const { return m_pendingRow; }
    bool pendingIsNew() const { return m_pendingIsNew; }
    /// Drops the pending changes (and the pending new row).
    void dropPending();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    /// Typed text that does not fit the column; the German message says what fits.
    void inputRejected(const QString &message);

private:
    int fieldIndex(const QString &field) const;

    QList<StatsColumn> m_columns;
    QStringList m_editable;
    QStringList m_fields;
    QList<QVariantList> m_rows;
    int m_pendingRow = -1;
    bool m_pendingIsNew = false;
    QVariantList m_pending;
    bool m_hourMinuteFormat = false;
};

} // namespace tekvora::stats
