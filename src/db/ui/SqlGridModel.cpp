#include "db/ui/SqlGridModel.h"

#include "db/Schema.h"
#include "db/StorageValue.h"
#include "db/ValueText.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace tekvora::db {

namespace {

constexpr int PageSize = 200;
constexpr int MaxCachedPages = 16;

SearchFieldKind kindOfDeclaredType(const QString &type)
{
    if (type.contains(QLatin1String("BOOL")))
        return SearchFieldKind::Logical;
    if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME")))
        return SearchFieldKind::DateTime;
    for (const char *word : {"CHAR", "TEXT", "CLOB", "MEMO", "STRING"})
        if (type.contains(QLatin1String(word)))
            return SearchFieldKind::Text;
    for (const char *word : {"INT", "REAL", "FLOA", "DOUB", "NUM", "DEC", "MONEY", "CURRENCY"})
        if (type.contains(QLatin1String(word)))
            return SearchFieldKind::Number;
    return SearchFieldKind::Text;
}

} // namespace

SqlGridModel::SqlGridModel(QSqlDatabase db, QString table, QString keyField, GridColumns columns, SqlFilter filter,
                           QObject *parent)
    : QAbstractTableModel(parent), m_db(std::move(db)), m_table(std::move(table)), m_keyField(std::move(keyField)),
      m_columns(std::move(columns)), m_filter(std::move(filter)), m_sortField(m_keyField)
{
}

bool SqlGridModel::setFilter(SqlFilter filter)
{
    m_filter = std::move(filter);
    return open();
}

bool SqlGridModel::open()
{
    beginResetModel();
    resetPages();
    m_pending = {};
    m_pendingRow = -1;
    m_rowCount = 0;
    m_lastError.clear();
    m_fieldTypes.clear();
    QSqlQuery info(m_db);
    info.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
    info.addBindValue(m_table);
    if (!info.exec())
        m_lastError = info.lastError().text();
    while (info.next())
        m_fieldTypes.insert(info.value(0).toString().toLower(), info.value(1).toString().toUpper());
    if (m_lastError.isEmpty() && m_fieldTypes.isEmpty())
        m_lastError = QStringLiteral("Tabelle %1 nicht gefunden").arg(m_table);
    else if (m_lastError.isEmpty() && !m_fieldTypes.contains(m_keyField.toLower()))
        m_lastError = QStringLiteral("Feld %1 nicht gefunden").arg(m_keyField);
    if (m_lastError.isEmpty()) {
        if (!m_fieldTypes.contains(m_sortField.toLower()))
            m_sortField = m_keyField;
        m_rowCount = std::max(0, countRows(QString(), {}));
    }
    if (!m_lastError.isEmpty())
        m_fieldTypes.clear();
    endResetModel();
    return m_lastError.isEmpty();
}

void SqlGridModel::setSortField(const QString &field)
{
    m_sortField = m_fieldTypes.contains(field.toLower()) ? field : m_keyField;
    resetPages();
    // Same rows in a new order: no reset, so the view keeps its column widths.
    if (m_rowCount > 0)
        emit dataChanged(index(0, 0), index(m_rowCount - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int SqlGridModel::sortColumn() const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field.compare(m_sortField, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

SearchFieldKind SqlGridModel::searchKind(int column) const
{
    if (column < 0 || column >= m_columns.size() || !m_columns[column].lookup.isEmpty())
        return SearchFieldKind::NotSearchable;
    const auto type = m_fieldTypes.constFind(m_columns[column].field.toLower());
    return type == m_fieldTypes.cend() ? SearchFieldKind::NotSearchable : kindOfDeclaredType(*type);
}

QVariant SqlGridModel::keyAt(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return {};
    const QVector<Row> *rows = page(row / PageSize);
    return rows && row % PageSize < rows->size() ? rows->at(row % PageSize).at(0) : QVariant();
}

int SqlGridModel::rowOfKey(const QVariant &key) const
{
    if (m_rowCount == 0 || !key.isValid() || key.isNull())
        return -1;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 %3")
                      .arg(quoted(m_sortField), quoted(m_table), whereClause(quoted(m_keyField) + QStringLiteral(" = ?"))));
    QVariantList values = filterValues();
    values << key;
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec() || !query.next())
        return -1;
    const QVariant sortValue = query.value(0);

    const QString keyBelow = orderTerm(m_keyField) + QStringLiteral(" < ?");
    if (m_sortField.compare(m_keyField, Qt::CaseInsensitive) == 0)
        return countRows(keyBelow, {key});
    const QString sort = orderTerm(m_sortField);
    if (sortValue.isNull()) // NULL sorts first
        return countRows(QStringLiteral("%1 IS NULL AND %2").arg(quoted(m_sortField), keyBelow), {key});
    return countRows(QStringLiteral("%1 IS NULL OR %2 < ? OR (%2 = ? AND %3)").arg(quoted(m_sortField), sort, keyBelow),
                     {sortValue, sortValue, key});
}

int SqlGridModel::rowOfNearest(const QString &searchText) const
{
    if (m_rowCount == 0)
        return -1;
    if (searchText.isEmpty())
        return 0;
    QVariant value;
    switch (kindOfDeclaredType(m_fieldTypes.value(m_sortField.toLower()))) {
    case SearchFieldKind::Text:
        value = searchText;
        break;
    case SearchFieldKind::Number: {
        bool ok = false;
        const double number = searchText.toDouble(&ok);
        if (!ok)
            return 0;
        value = number;
        break;
    }
    case SearchFieldKind::Logical:
        value = searchText.startsWith(QLatin1Char('J'), Qt::CaseInsensitive) ? 1 : 0;
        break;
    case SearchFieldKind::DateTime:
    case SearchFieldKind::NotSearchable:
        return 0;
    }
    const int below = countRows(
        QStringLiteral("%1 IS NULL OR %2 < ?").arg(quoted(m_sortField), orderTerm(m_sortField)), {value});
    return std::clamp(below, 0, m_rowCount - 1);
}

void SqlGridModel::showPending(int row, PendingValues values)
{
    if (row < 0 || row > m_rowCount)
        return;
    if (m_pendingRow >= 0 && m_pendingRow != row)
        dropPending();
    if (row == m_rowCount && m_pendingRow != row) {
        beginInsertRows({}, row, row);
        m_pendingRow = row;
        m_pending = std::move(values);
        endInsertRows();
        return;
    }
    m_pendingRow = row;
    m_pending = std::move(values);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void SqlGridModel::dropPending()
{
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    if (hasNewRow()) {
        beginRemoveRows({}, row, row);
        m_pendingRow = -1;
        m_pending = {};
        endRemoveRows();
        return;
    }
    m_pendingRow = -1;
    m_pending = {};
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int SqlGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount + (hasNewRow() ? 1 : 0);
}

int SqlGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SqlGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const GridColumn &column = m_columns[index.column()];
    const bool yesNo = column.display == GridDisplay::YesNo || column.display == GridDisplay::YesNoNullYes;
    if (role == Qt::TextAlignmentRole && yesNo)
        return int(Qt::AlignCenter);
    if (role == Qt::TextAlignmentRole && searchKind(index.column()) == SearchFieldKind::Number)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == GridMaxLengthRole) {
        int size = 0;
        const FieldType type = typeForDeclared(m_fieldTypes.value(column.field.toLower()), &size);
        return type == FieldType::String ? size : 0;
    }
    if (role == Qt::EditRole) {
        const QVariant value = rowValue(index.row(), index.column());
        const FieldType type = typeForDeclared(m_fieldTypes.value(column.field.toLower()));
        return value.isNull() ? QString() : valueText(fromStorage(value, type), type);
    }
    if (role != Qt::DisplayRole)
        return {};
    return displayValue(index.column(), rowValue(index.row(), index.column()));
}

QVariant SqlGridModel::rowValue(int row, int column) const
{
    const GridColumn &col = m_columns[column];
    if (row == m_pendingRow && m_pending)
        return col.lookup.isEmpty() ? toStorage(m_pending(col.field)) : pendingLookup(col);
    if (row >= m_rowCount)
        return {};
    const QVector<Row> *rows = page(row / PageSize);
    if (!rows || row % PageSize >= rows->size())
        return {};
    return rows->at(row % PageSize).value(column + 1);
}

QVariant SqlGridModel::pendingLookup(const GridColumn &column) const
{
    // The edited row's source value may have changed: look it up again for this one row.
    const GridLookup &l = column.lookup;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1")
                      .arg(quoted(column.field), quoted(l.table), quoted(l.matchField)));
    query.addBindValue(toStorage(m_pending(l.sourceField)));
    return query.exec() && query.next() ? query.value(0) : QVariant();
}

QVariant SqlGridModel::displayValue(int column, const QVariant &value) const
{
    const GridColumn &col = m_columns[column];
    switch (col.display) {
    case GridDisplay::YesNo:
        return value.toLongLong() != 0 ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case GridDisplay::YesNoNullYes:
        return value.isNull() || value.toLongLong() != 0 ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case GridDisplay::TwoDecimals:
        return value.isNull() ? value : QString::number(value.toDouble(), 'f', 2).replace(u'.', u',');
    case GridDisplay::Plain:
        break;
    }
    if (value.isNull() || !col.lookup.isEmpty())
        return value;
    const FieldType type = typeForDeclared(m_fieldTypes.value(col.field.toLower()));
    switch (type) {
    case FieldType::Date:
    case FieldType::DateTime:
    case FieldType::Time:
    case FieldType::Float:
    case FieldType::Money:
    case FieldType::Bool:
        return valueText(fromStorage(value, type), type);
    default:
        return value;
    }
}

Qt::ItemFlags SqlGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && m_editHandler && m_columns[index.column()].editable
        && m_columns[index.column()].lookup.isEmpty())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool SqlGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return m_editHandler(index.row(), m_columns[index.column()].field, value);
}

QVariant SqlGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    if (role == Qt::BackgroundRole)
        return section == sortColumn() ? QBrush(QColor(210, 205, 224))
                                       : QGuiApplication::palette().brush(QPalette::Button);
    return {};
}

QString SqlGridModel::quoted(const QString &field) const
{
    QString name = field;
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString SqlGridModel::orderTerm(const QString &field) const
{
    // Text indexes ignore case, so the order and the comparisons of a search do too.
    return isTextField(field) ? quoted(field) + QStringLiteral(" COLLATE NOCASE") : quoted(field);
}

bool SqlGridModel::isTextField(const QString &field) const
{
    return kindOfDeclaredType(m_fieldTypes.value(field.toLower())) == SearchFieldKind::Text;
}

QString SqlGridModel::whereClause(const QString &extra) const
{
    QStringList parts;
    if (!m_filter.isEmpty())
        parts << QLatin1Char('(') + m_filter.where + QLatin1Char(')');
    if (!extra.isEmpty())
        parts << QLatin1Char('(') + extra + QLatin1Char(')');
    return parts.isEmpty() ? QString() : QStringLiteral("WHERE ") + parts.join(QStringLiteral(" AND "));
}

QVariantList SqlGridModel::filterValues() const
{
    return m_filter.isEmpty() ? QVariantList() : m_filter.values;
}

int SqlGridModel::countRows(const QString &condition, const QVariantList &values) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 %2").arg(quoted(m_table), whereClause(condition)));
    for (const QVariant &v : filterValues() + values)
        query.addBindValue(v);
    if (!query.exec() || !query.next()) {
        m_lastError = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

const QVector<SqlGridModel::Row> *SqlGridModel::page(int pageNo) const
{
    const auto cached = m_pages.constFind(pageNo);
    if (cached != m_pages.cend())
        return &*cached;
    if (m_pages.size() >= MaxCachedPages)
        m_pages.clear();

    QStringList selected{quoted(m_keyField)};
    for (const GridColumn &column : m_columns)
        selected << selectTerm(column);
    QString order = orderTerm(m_sortField);
    if (m_sortField.compare(m_keyField, Qt::CaseInsensitive) != 0)
        order += QStringLiteral(", ") + orderTerm(m_keyField);

    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 %3 ORDER BY %4 LIMIT ? OFFSET ?")
                      .arg(selected.join(QStringLiteral(", ")), quoted(m_table), whereClause(QString()), order));
    for (const QVariant &v : filterValues())
        query.addBindValue(v);
    query.addBindValue(PageSize);
    query.addBindValue(pageNo * PageSize);
    QVector<Row> rows;
    if (query.exec()) {
        rows.reserve(PageSize);
        while (query.next()) {
            Row row(selected.size());
            for (int i = 0; i < row.size(); ++i)
                row[i] = query.value(i);
            rows << row;
        }
    }
    return &*m_pages.insert(pageNo, rows);
}

QString SqlGridModel::selectTerm(const GridColumn &column) const
{
    if (!column.lookup.isEmpty()) {
        const GridLookup &l = column.lookup;
        if (!m_fieldTypes.contains(l.sourceField.toLower()))
            return QStringLiteral("NULL");
        return QStringLiteral("(SELECT %1 FROM %2 WHERE %3 = %4.%5 LIMIT 1)")
            .arg(quoted(column.field), quoted(l.table), quoted(l.matchField), quoted(m_table), quoted(l.sourceField));
    }
    return m_fieldTypes.contains(column.field.toLower()) ? quoted(column.field) : QStringLiteral("NULL");
}

void SqlGridModel::resetPages()
{
    m_pages.clear();
}

} // namespace tekvora::db
