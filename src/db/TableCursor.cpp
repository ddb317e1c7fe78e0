#include "db/TableCursor.h"

#include "db/SqlQuote.h"
#include "db/SqlTranslator.h"
#include "db/StorageValue.h"
#include "db/ValueText.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>

#include <optional>

namespace tekvora::db {

namespace {

QList<TableCursor *> &registry()
{
    static QList<TableCursor *> cursors;
    return cursors;
}

bool isText(FieldType type)
{
    return type == FieldType::String || type == FieldType::Memo || type == FieldType::FormattedMemo;
}

QString queryError(const QSqlQuery &query)
{
    const QString message = query.lastError().databaseText();
    return message.isEmpty() ? query.lastError().text() : message;
}

/// A key or search value as stored for the field; nothing when it does not fit (text for a number field).
std::optional<QVariant> searchValue(const QVariant &value, FieldType type)
{
    if (value.isNull())
        return QVariant();
    if ((type == FieldType::Int32 || type == FieldType::Int16) && value.typeId() == QMetaType::QString) {
        bool ok = false;
        const qlonglong number = value.toString().trimmed().toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return QVariant(number);
    }
    if ((type == FieldType::Float || type == FieldType::Money) && value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = QString(value.toString()).replace(u',', u'.').trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        return QVariant(number);
    }
    return toStorage(value, type);
}

} // namespace

TableCursor::TableCursor(const QString &tableName, const QString &connectionName, QObject *parent)
    : QObject(parent)
    , m_connectionName(connectionName)
{
    registry().append(this);
    setTableName(tableName);
}

TableCursor::~TableCursor()
{
    registry().removeOne(this);
}

QList<TableCursor *> TableCursor::openCursors(const QString &connectionName)
{
    QList<TableCursor *> open;
    for (TableCursor *cursor : registry())
        if (cursor->isOpen() && cursor->m_connectionName == connectionName)
            open.append(cursor);
    return open;
}

QSqlDatabase TableCursor::db() const
{
    return database(m_connectionName);
}

bool TableCursor::fail(const QString &message)
{
    m_error = message;
    return false;
}

void TableCursor::setTableName(const QString &name)
{
    close();
    m_tableName = canonicalTableName(name);
    m_def = tableDef(m_tableName).value_or(TableDef{m_tableName, {}, {}});
    m_indexName.clear();
    m_orderFields = m_def.primaryKey() ? m_def.primaryKey()->fields : QStringList();
    m_orderNoCase = false;
    m_orderOverride.clear();
}

QList<IndexDef> TableCursor::indexes() const
{
    if (const auto stored = describeTable(m_tableName, db()))
        return stored->indexes;
    return m_def.indexes;
}

bool TableCursor::setIndexName(const QString &indexName)
{
    const QList<IndexDef> all = indexes();
    for (const IndexDef &index : all) {
        if (indexName.isEmpty() ? index.isPrimary()
                                : (!index.isPrimary() && index.name.compare(indexName, Qt::CaseInsensitive) == 0)) {
            m_indexName = index.name;
            m_orderFields = index.fields;
            m_orderNoCase = index.options.testFlag(IndexOption::CaseInsensitive);
            m_orderOverride.clear();
            if (isOpen())
                refresh();
            return true;
        }
    }
    if (indexName.isEmpty()) { // no primary key: the order of entry
        m_indexName.clear();
        m_orderFields.clear();
        m_orderOverride.clear();
        if (isOpen())
            refresh();
        return true;
    }
    return fail(QStringLiteral("Index %1 nicht gefunden").arg(indexName));
}

void TableCursor::setIndexFieldNames(const QString &fields)
{
    m_orderFields = fields.split(u';', Qt::SkipEmptyParts);
    for (QString &f : m_orderFields)
        f = f.trimmed();
    m_indexName.clear();
    m_orderNoCase = false;
    m_orderOverride.clear();
    for (const IndexDef &index : indexes()) {
        if (index.fields.size() >= m_orderFields.size()
            && index.fields.mid(0, m_orderFields.size()).join(u';').compare(m_orderFields.join(u';'),
                                                                            Qt::CaseInsensitive) == 0) {
            m_orderNoCase = index.options.testFlag(IndexOption::CaseInsensitive);
            break;
        }
    }
    if (isOpen())
        refresh();
}

bool TableCursor::setFilter(const QString &filter)
{
    m_filter = filter.trimmed();
    m_translatedFilter = m_filter.isEmpty() ? QString() : translateSql(m_filter);
    if (isOpen())
        return refresh();
    return true;
}

void TableCursor::setMasterLink(TableCursor *master, const QString &masterField, const QString &detailField)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterField = masterField;
    m_detailField = detailField;
    if (master)
        connect(master, &TableCursor::changed, this, &TableCursor::masterMoved);
    if (isOpen())
        refresh();
}

void TableCursor::masterMoved()
{
    if (m_state == State::Browse)
        refresh();
}

bool TableCursor::setLiveQuery(const QString &sql)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\"[^\"]+\"|[\\w.]+)(?:\\s+where\\s+(.*?))?"
                       "(?:\\s+order\\s+by\\s+(.*?))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = shape.match(sql);
    if (!match.hasMatch())
        return fail(QStringLiteral("Nur \"select * from Tabelle\" ist bearbeitbar: %1").arg(sql));
    QString table = match.captured(1);
    if (table.startsWith(u'"'))
        table = table.mid(1, table.size() - 2);
    setTableName(table);
    m_filter = match.captured(2).trimmed();
    m_translatedFilter = m_filter.isEmpty() ? QString() : translateSql(m_filter);
    m_orderOverride = match.captured(3).trimmed();
    return true;
}

QString TableCursor::orderClause() const
{
    QStringList parts;
    if (!m_orderOverride.isEmpty()) {
        parts.append(m_orderOverride);
    } else {
        for (const QString &name : m_orderFields) {
            const FieldDef *f = m_def.field(name);
            QString part = quoteIdentifier(f ? f->name : name);
            if (m_orderNoCase && f && isText(f->type))
                part += QLatin1String(" COLLATE NOCASE");
            parts.append(part);
        }
    }
    parts.append(QStringLiteral("rowid"));
    return QStringLiteral(" ORDER BY ") + parts.join(QLatin1String(", "));
}

QString TableCursor::whereClause(QVariantList &binds) const
{
    QStringList conditions;
    if (!m_translatedFilter.isEmpty())
        conditions.append(u'(' + m_translatedFilter + u')');
    if (!m_detailField.isEmpty()) {
        if (!m_master || !m_master->hasRecord()) {
            conditions.append(QStringLiteral("0"));
        } else {
            const FieldDef *f = m_def.field(m_detailField);
            conditions.append(quoteIdentifier(m_detailField) + QStringLiteral(" = ?"));
            binds.append(toStorage(m_master->value(m_masterField), f ? f->type : FieldType::String));
        }
    }
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QLatin1String(" AND "));
}

bool TableCursor::open()
{
    if (isOpen())
        return true;
    m_error.clear();
    if (const auto stored = describeTable(m_tableName, db())) {
        m_def = *stored;
    } else {
        return fail(QStringLiteral("Tabelle %1 nicht gefunden").arg(m_tableName));
    }
    if (m_orderFields.isEmpty() && m_indexName.isEmpty() && m_def.primaryKey())
        m_orderFields = m_def.primaryKey()->fields;
    m_state = State::Browse;
    if (!loadKeys()) {
        m_state = State::Inactive;
        return false;
    }
    moveToRow(0);
    m_bof = true;
    m_eof = m_keys.isEmpty();
    emit changed();
    return true;
}

void TableCursor::close()
{
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_keys.clear();
    m_keysLoaded = false;
    clearCurrent();
    emit changed();
}

bool TableCursor::refresh()
{
    if (!isOpen())
        return open();
    if (m_state != State::Browse)
        cancel();
    const qint64 current = m_rowId;
    const int position = m_pos;
    if (!loadKeys())
        return false;
    const int found = m_keys.indexOf(current);
    moveToRow(found >= 0 ? found : qMin(qMax(position, 0), int(m_keys.size()) - 1));
    m_bof = m_pos <= 0;
    m_eof = m_keys.isEmpty();
    emit changed();
    return true;
}

bool TableCursor::loadKeys()
{
    QVariantList binds;
    QSqlQuery query(db());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT rowid FROM %1").arg(quoteIdentifier(m_tableName))
                       + whereClause(binds) + orderClause()))
        return fail(queryError(query));
    for (const QVariant &bind : binds)
        query.addBindValue(bind);
    if (!query.exec())
        return fail(queryError(query));
    m_keys.clear();
    while (query.next())
        m_keys.append(query.value(0).toLongLong());
    m_keysLoaded = true;
    m_pos = m_keys.indexOf(m_rowId);
    return true;
}

void TableCursor::clearCurrent()
{
    m_pos = -1;
    m_rowId = -1;
    m_record = QSqlRecord();
    for (const FieldDef &f : m_def.fields)
        m_record.append(QSqlField(f.name));
    m_modified.clear();
}

bool TableCursor::moveToRow(int position)
{
    if (position < 0 || position >= m_keys.size()) {
        clearCurrent();
        return false;
    }
    m_pos = position;
    m_rowId = m_keys[position];
    return readCurrent();
}

bool TableCursor::moveToRowId(qint64 rowId)
{
    if (!m_keysLoaded && !loadKeys())
        return false;
    const int position = m_keys.indexOf(rowId);
    if (position < 0)
        return false;
    moveToRow(position);
    m_bof = false;
    m_eof = false;
    emit changed();
    return true;
}

bool TableCursor::readCurrent()
{
    QSqlQuery query(db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_tableName)));
    query.addBindValue(m_rowId);
    if (!query.exec() || !query.next()) {
        const QString message = query.lastError().isValid() ? queryError(query) : QString();
        clearCurrent();
        return message.isEmpty() ? false : fail(message);
    }
    m_record = QSqlRecord();
    for (int i = 0; i < m_def.fields.size(); ++i) {
        QSqlField f(m_def.fields[i].name);
        f.setValue(fromStorage(query.value(i), m_def.fields[i].type));
        m_record.append(f);
    }
    m_modified.clear();
    return true;
}

bool TableCursor::first()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return false;
    const bool moved = moveToRow(0);
    m_bof = true;
    m_eof = !moved;
    emit changed();
    return moved;
}

bool TableCursor::last()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return false;
    const bool moved = moveToRow(int(m_keys.size()) - 1);
    m_eof = true;
    m_bof = !moved;
    emit changed();
    return moved;
}

bool TableCursor::next()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return false;
    if (m_pos + 1 >= m_keys.size()) {
        m_eof = true;
        return false;
    }
    moveToRow(m_pos + 1);
    m_bof = false;
    m_eof = false;
    emit changed();
    return true;
}

bool TableCursor::prior()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return false;
    if (m_pos <= 0) {
        m_bof = true;
        return false;
    }
    moveToRow(m_pos - 1);
    m_bof = false;
    m_eof = false;
    emit changed();
    return true;
}

bool TableCursor::isEmpty()
{
    return recordCount() == 0;
}

int TableCursor::recordCount()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return 0;
    return int(m_keys.size());
}

int TableCursor::recordNumber()
{
    if (!isOpen() || (!m_keysLoaded && !loadKeys()))
        return 0;
    return m_pos + 1;
}

qint64 TableCursor::firstMatch(const QString &condition, const QVariantList &conditionBinds)
{
    QVariantList binds;
    QString where = whereClause(binds);
    where += (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + u'(' + condition + u')';
    binds += conditionBinds;
    QSqlQuery query(db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid FROM %1").arg(quoteIdentifier(m_tableName)) + where + orderClause()
                  + QStringLiteral(" LIMIT 1"));
    for (const QVariant &bind : binds)
        query.addBindValue(bind);
    if (!query.exec()) {
        fail(queryError(query));
        return -1;
    }
    return query.next() ? query.value(0).toLongLong() : -1;
}

bool TableCursor::locate(const QString &fieldName, const QVariant &value, Qt::CaseSensitivity cs)
{
    const FieldDef *f = m_def.field(fieldName);
    if (!isOpen() || !f)
        return false;
    const auto stored = searchValue(value, f->type);
    if (!stored)
        return false;
    QString condition = quoteIdentifier(f->name)
                      + (stored->isNull() ? QStringLiteral(" IS NULL") : QStringLiteral(" = ?"));
    if (cs == Qt::CaseInsensitive && isText(f->type))
        condition += QLatin1String(" COLLATE NOCASE");
    const qint64 rowId = firstMatch(condition, stored->isNull() ? QVariantList() : QVariantList{*stored});
    return rowId >= 0 && moveToRowId(rowId);
}

bool TableCursor::findNearest(const QVariantList &keyValues)
{
    if (!isOpen() || m_orderFields.isEmpty() || keyValues.isEmpty())
        return false;
    const int count = qMin(keyValues.size(), m_orderFields.size());
    QStringList alternatives;
    QVariantList binds;
    QString equalSoFar;
    QVariantList equalBinds;
    for (int i = 0; i < count; ++i) {
        const FieldDef *f = m_def.field(m_orderFields[i]);
        if (!f)
            return false;
        const auto stored = searchValue(keyValues[i], f->type);
        if (!stored)
            return false;
        const QString column = quoteIdentifier(f->name)
                             + (m_orderNoCase && isText(f->type) ? QStringLiteral(" COLLATE NOCASE") : QString());
        const QString op = i + 1 == count ? QStringLiteral(" >= ?") : QStringLiteral(" > ?");
        alternatives.append(u'(' + equalSoFar + column + op + u')');
        binds += equalBinds;
        binds.append(*stored);
        equalSoFar += column + QStringLiteral(" = ? AND ");
        equalBinds.append(*stored);
    }
    const qint64 rowId = firstMatch(alternatives.join(QLatin1String(" OR ")), binds);
    if (rowId < 0) {
        last();
        return false;
    }
    return moveToRowId(rowId);
}

bool TableCursor::findKey(const QVariantList &keyValues)
{
    if (!isOpen() || keyValues.isEmpty() || keyValues.size() > m_orderFields.size())
        return false;
    QStringList conditions;
    QVariantList binds;
    for (int i = 0; i < keyValues.size(); ++i) {
        const FieldDef *f = m_def.field(m_orderFields[i]);
        if (!f)
            return false;
        const auto stored = searchValue(keyValues[i], f->type);
        if (!stored)
            return false;
        conditions.append(quoteIdentifier(f->name) + QStringLiteral(" = ?")
                          + (m_orderNoCase && isText(f->type) ? QStringLiteral(" COLLATE NOCASE") : QString()));
        binds.append(*stored);
    }
    const qint64 rowId = firstMatch(conditions.join(QLatin1String(" AND ")), binds);
    return rowId >= 0 && moveToRowId(rowId);
}

QVariant TableCursor::value(const QString &fieldName) const
{
    return m_record.value(fieldName);
}

QString TableCursor::displayText(const QString &fieldName) const
{
    const FieldDef *f = m_def.field(fieldName);
    return f ? valueText(value(fieldName), f->type) : QString();
}

void TableCursor::setMaximum(const QString &fieldName, qint64 maximum)
{
    m_maximum.insert(fieldName.toUpper(), maximum);
}

bool TableCursor::setValue(const QString &fieldName, const QVariant &value)
{
    const FieldDef *f = m_def.field(fieldName);
    if (!f || (m_state != State::Edit && m_state != State::Insert))
        return fail(QStringLiteral("Feld %1 kann nicht geändert werden").arg(fieldName));
    const qint64 maximum = m_maximum.value(f->name.toUpper(), 0);
    if (maximum > 0 && !value.isNull() && value.toLongLong() > maximum)
        return fail(QStringLiteral("Der Wert %1 ist für das Feld %2 zu groß (höchstens %3).")
                        .arg(value.toString(), f->name)
                        .arg(maximum));
    m_record.setValue(f->name, value);
    m_modified.insert(f->name);
    return true;
}

bool TableCursor::append()
{
    if (!isOpen())
        return fail(QStringLiteral("Tabelle %1 ist nicht geöffnet").arg(m_tableName));
    if ((m_state == State::Edit || m_state == State::Insert) && !post())
        return false;
    const qint64 current = m_rowId;
    clearCurrent();
    m_rowId = current; // back to it on cancel
    m_state = State::Insert;
    emit changed();
    return true;
}

bool TableCursor::edit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return true;
    if (m_state != State::Browse || m_rowId < 0)
        return fail(QStringLiteral("Kein Datensatz zum Bearbeiten"));
    m_state = State::Edit;
    m_modified.clear();
    return true;
}

bool TableCursor::ensureEditing()
{
    return edit();
}

bool TableCursor::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return true;
    QStringList names;
    QVariantList binds;
    for (const FieldDef &f : m_def.fields) {
        if (!m_modified.contains(f.name))
            continue;
        names.append(quoteIdentifier(f.name));
        binds.append(toStorage(m_record.value(f.name), f.type));
    }
    QSqlQuery query(db());
    const QString table = quoteIdentifier(m_tableName);
    if (m_state == State::Insert) {
        if (names.isEmpty())
            query.prepare(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        else
            query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, names.join(u','), QStringList(names.size(), QStringLiteral("?")).join(u',')));
    } else {
        if (names.isEmpty()) {
            m_state = State::Browse;
            return true;
        }
        query.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(table, names.join(" = ?, ")));
        binds.append(m_rowId);
    }
    for (const QVariant &bind : binds)
        query.addBindValue(bind);
    if (!query.exec())
        return fail(queryError(query));
    if (m_state == State::Insert)
        m_rowId = query.lastInsertId().toLongLong();
    m_state = State::Browse;
    // The order may have changed; positions are read again when someone navigates.
    m_keysLoaded = false;
    readCurrent();
    m_bof = m_eof = false;
    emit changed();
    return true;
}

void TableCursor::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_state = State::Browse;
    if (m_rowId >= 0)
        readCurrent();
    else
        clearCurrent();
    emit changed();
}

bool TableCursor::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_state != State::Browse && m_state != State::Edit)
        return false;
    if (m_rowId < 0)
        return fail(QStringLiteral("Kein Datensatz zum Löschen"));
    if (!m_keysLoaded && !loadKeys())
        return false;
    const int position = qMax(0, int(m_keys.indexOf(m_rowId)));
    QSqlQuery query(db());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_tableName)));
    query.addBindValue(m_rowId);
    if (!query.exec())
        return fail(queryError(query));
    m_state = State::Browse;
    if (!loadKeys())
        return false;
    moveToRow(qMin(position, int(m_keys.size()) - 1));
    m_bof = m_pos <= 0;
    m_eof = m_keys.isEmpty();
    emit changed();
    return true;
}

} // namespace tekvora::db
