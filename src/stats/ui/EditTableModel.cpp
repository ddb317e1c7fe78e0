#include "stats/ui/EditTableModel.h"

#include "stats/StatsFormat.h"

#include <QSqlQuery>

namespace tekvora::stats {

EditTableModel::EditTableModel(QList<StatsColumn> columns, QStringList editable, QStringList extraFields,
                               QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_editable(std::move(editable))
{
    for (const StatsColumn &c : m_columns)
        m_fields << c.field;
    m_fields << extraFields;
}

bool EditTableModel::load(const QSqlDatabase &db, const BoundSql &sql, QString *error)
{
    beginResetModel();
    m_rows.clear();
    m_pendingRow = -1;
    m_pendingIsNew = false;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const bool ok = execBound(query, sql, error);
    while (ok && query.next()) {
        QVariantList row;
        row.reserve(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            row << query.value(i);
        m_rows << row;
    }
    endResetModel();
    return ok;
}

void EditTableModel::close()
{
    beginResetModel();
    m_rows.clear();
    m_pendingRow = -1;
    endResetModel();
}

void EditTableModel::setHourMinuteFormat(bool on)
{
    m_hourMinuteFormat = on;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int EditTableModel::fieldIndex(const QString &field) const
{
    return int(m_fields.indexOf(field));
}

QVariant EditTableModel::fieldValue(int row, const QString &field) const
{
    const int i = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || i < 0)
        return {};
    return row == m_pendingRow ? m_pending.at(i) : m_rows.at(row).at(i);
}

void EditTableModel::setFieldValue(int row, const QString &field, const QVariant &value)
{
    const int i = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || i < 0)
        return;
    if (m_pendingRow != row) {
        m_pendingRow = row;
        m_pendingIsNew = false;
        m_pending = m_rows.at(row);
    }
    m_pending[i] = value;
    const int column = i < m_columns.size() ? i : 0;
    emit dataChanged(index(row, column), index(row, column));
}

int EditTableModel::rowOfId(qint64 id) const
{
    const int i = fieldIndex(QStringLiteral("SC_ID"));
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).at(i).toLongLong() == id)
            return row;
    }
    return -1;
}

int EditTableModel::appendPending(const QVariantMap &values)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    QVariantList empty(m_fields.size());
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (fieldIndex(it.key()) >= 0)
            empty[fieldIndex(it.key())] = it.value();
    }
    m_rows << empty;
    endInsertRows();
    m_pendingRow = row;
    m_pendingIsNew = true;
    m_pending = empty;
    return row;
}

void EditTableModel::dropPending()
{
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    m_pendingRow = -1;
    if (m_pendingIsNew) {
        beginRemoveRows({}, row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    } else {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    m_pendingIsNew = false;
}

int EditTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EditTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant EditTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const StatsColumn &column = m_columns.at(index.column());
    const QVariant value = fieldValue(index.row(), column.field);
    switch (role) {
    case Qt::DisplayRole:
        return columnText(column.kind, value, m_hourMinuteFormat);
    case Qt::EditRole:
        return column.kind == ColumnKind::Duration ? columnText(column.kind, value, m_hourMinuteFormat)
                                                          .remove(QStringLiteral(" Std"))
                                                          .trimmed()
                                                   : value;
    case Qt::TextAlignmentRole:
        if (column.kind == ColumnKind::Integer || column.kind == ColumnKind::Duration)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool EditTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const StatsColumn &column = m_columns.at(index.column());
    QVariant stored;
    switch (column.kind) {
    case ColumnKind::Integer: {
        bool ok = false;
        const int number = value.toString().trimmed().toInt(&ok);
        if (!ok || number < 0) {
            emit inputRejected(QStringLiteral("Bitte eine ganze Zahl eingeben."));
            return false;
        }
        stored = number;
        break;
    }
    case ColumnKind::Duration: {
        double hours = 0.0;
        if (!parseHoursInput(value.toString(), &hours) || hours < 0.0) {
            emit inputRejected(QStringLiteral("Bitte eine Dauer in Stunden eingeben (z. B. 1,5 oder 1:30)."));
            return false;
        }
        stored = hours;
        break;
    }
    default:
        stored = value.toString();
        break;
    }
    if (stored == fieldValue(index.row(), column.field))
        return true;
    setFieldValue(index.row(), column.field, stored);
    return true;
}

Qt::ItemFlags EditTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_editable.contains(m_columns.at(index.column()).field))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant EditTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace tekvora::stats
