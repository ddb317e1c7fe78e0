#include "stats/ui/StatsTableModel.h"

#include "stats/StatsFormat.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace tekvora::stats {

StatsTableModel::StatsTableModel(const ViewDefinition &definition, QObject *parent)
    : QSqlQueryModel(parent), m_definition(definition)
{
}

bool StatsTableModel::load(const QSqlDatabase &db, const BoundSql &sql, QString *error)
{
    QSqlQuery query(db);
    if (!execBound(query, sql, error)) {
        clear();
        return false;
    }
    setQuery(std::move(query));
    return true;
}

void StatsTableModel::close()
{
    clear();
}

void StatsTableModel::setHourMinuteFormat(bool on)
{
    if (m_hourMinuteFormat == on)
        return;
    m_hourMinuteFormat = on;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

QVariant StatsTableModel::fieldValue(int row, const QString &field) const
{
    const int column = record().indexOf(field);
    if (row < 0 || column < 0)
        return {};
    return QSqlQueryModel::data(createIndex(row, column), Qt::DisplayRole);
}

int StatsTableModel::rowOfId(qint64 id)
{
    for (int row = 0;; ++row) {
        if (row >= rowCount()) {
            if (!canFetchMore())
                return -1;
            fetchMore();
        }
        if (row < rowCount() && fieldValue(row, QStringLiteral("SC_ID")).toLongLong() == id)
            return row;
    }
}

int StatsTableModel::findPrefix(int column, const QString &text, int from)
{
    for (int row = qMax(0, from);; ++row) {
        while (row >= rowCount()) {
            if (!canFetchMore())
                return -1;
            fetchMore();
        }
        if (displayText(row, column).trimmed().startsWith(text, Qt::CaseInsensitive))
            return row;
    }
}

void StatsTableModel::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

int StatsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_definition.columns.size());
}

QString StatsTableModel::displayText(int row, int column) const
{
    return columnText(m_definition.columns.at(column).kind,
                      QSqlQueryModel::data(createIndex(row, column), Qt::DisplayRole), m_hourMinuteFormat);
}

QVariant StatsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    const ColumnKind kind = m_definition.columns.at(index.column()).kind;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (kind == ColumnKind::Integer || kind == ColumnKind::Duration)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant StatsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < m_definition.columns.size())
        return m_definition.columns.at(section).caption;
    return QSqlQueryModel::headerData(section, orientation, role);
}

} // namespace tekvora::stats
