#include "db/Schema.h"

#include "db/SqlQuote.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::db {

namespace {

bool isTextType(FieldType type)
{
    return type == FieldType::String || type == FieldType::Memo || type == FieldType::FormattedMemo;
}

const QRegularExpression &labelListPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^Tmppr\\d{3}$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString withoutDbEnding(const QString &name)
{
    QString bare = name.trimmed();
    if (bare.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        bare.chop(3);
    return bare;
}

} // namespace

const FieldDef *TableDef::field(const QString &fieldName) const
{
    for (const auto &f : fields)
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const IndexDef *TableDef::primaryKey() const
{
    for (const auto &i : indexes)
        if (i.isPrimary())
            return &i;
    return nullptr;
}

const IndexDef *TableDef::index(const QString &indexName) const
{
    if (indexName.isEmpty())
        return primaryKey();
    for (const auto &i : indexes)
        if (!i.isPrimary() && i.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const auto &f : fields)
        names.append(f.name);
    return names;
}

QString canonicalTableName(const QString &name)
{
    const QString bare = withoutDbEnding(name);
    for (const auto &table : schemaTables())
        if (table.name.compare(bare, Qt::CaseInsensitive) == 0)
            return table.name;
    if (labelListPattern().match(bare).hasMatch())
        return QStringLiteral("Tmppr") + bare.right(3);
    return bare;
}

std::optional<TableDef> tableDef(const QString &name)
{
    const QString canonical = canonicalTableName(name);
    for (const auto &table : schemaTables())
        if (table.name == canonical)
            return table;
    if (labelListPattern().match(canonical).hasMatch())
        return labelListTableDef(canonical);
    return std::nullopt;
}

std::optional<FieldType> fieldTypeByName(const QString &fieldName)
{
    static const QHash<QString, FieldType> types = [] {
        QHash<QString, FieldType> map;
        QList<TableDef> tables = schemaTables();
        tables.append(labelListTableDef(QStringLiteral("Tmppr000")));
        for (const auto &table : tables)
            for (const auto &f : table.fields)
                map.insert(f.name.toUpper(), f.type);
        return map;
    }();
    const auto it = types.constFind(fieldName.toUpper());
    if (it == types.constEnd())
        return std::nullopt;
    return *it;
}

// Declared types keep SQLite's affinities right (text stays text) and read back to the field type.
QString declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Int32: return QStringLiteral("INTEGER");
    case FieldType::Int16: return QStringLiteral("SMALLINT");
    case FieldType::Float: return QStringLiteral("FLOAT");
    case FieldType::Money: return QStringLiteral("MONEY");
    case FieldType::Bool: return QStringLiteral("BOOLEAN");
    case FieldType::Date: return QStringLiteral("DATE");
    case FieldType::DateTime: return QStringLiteral("DATETIME");
    case FieldType::Time: return QStringLiteral("TIME");
    case FieldType::String: return QStringLiteral("VARCHAR(%1)").arg(field.size);
    case FieldType::Memo: return QStringLiteral("TEXT(%1)").arg(field.size);
    case FieldType::FormattedMemo: return QStringLiteral("RICHTEXT(%1)").arg(field.size);
    case FieldType::Graphic: return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

FieldType typeForDeclared(const QString &declared, int *size)
{
    static const QRegularExpression shape(QStringLiteral("^\\s*([A-Za-z ]+?)\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$"));
    const auto match = shape.match(declared);
    const QString name = match.hasMatch() ? match.captured(1).toUpper() : declared.toUpper();
    if (size)
        *size = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (name == QLatin1String("SMALLINT"))
        return FieldType::Int16;
    if (name.contains(QLatin1String("INT")))
        return FieldType::Int32;
    if (name == QLatin1String("MONEY"))
        return FieldType::Money;
    if (name.contains(QLatin1String("FLOA")) || name.contains(QLatin1String("DOUB"))
        || name.contains(QLatin1String("REAL")) || name == QLatin1String("NUMERIC"))
        return FieldType::Float;
    if (name.startsWith(QLatin1String("BOOL")))
        return FieldType::Bool;
    if (name == QLatin1String("DATE"))
        return FieldType::Date;
    if (name == QLatin1String("DATETIME") || name == QLatin1String("TIMESTAMP"))
        return FieldType::DateTime;
    if (name == QLatin1String("TIME"))
        return FieldType::Time;
    if (name == QLatin1String("RICHTEXT"))
        return FieldType::FormattedMemo;
    if (name == QLatin1String("TEXT") || name == QLatin1String("CLOB"))
        return FieldType::Memo;
    if (name == QLatin1String("BLOB"))
        return FieldType::Graphic;
    return FieldType::String;
}

QString storedIndexName(const QString &tableName, const QString &indexName)
{
    return tableName + u'_' + indexName;
}

QString createIndexStatement(const TableDef &table, const IndexDef &index, const QString &tableName, bool ifMissing)
{
    QStringList keyFields;
    for (const auto &fieldName : index.fields) {
        QString key = quoteIdentifier(fieldName);
        const FieldDef *f = table.field(fieldName);
        if (index.options.testFlag(IndexOption::CaseInsensitive) && f && isTextType(f->type))
            key += QLatin1String(" COLLATE NOCASE");
        keyFields.append(key);
    }
    return QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
        .arg(index.options.testFlag(IndexOption::Unique) ? QStringLiteral("UNIQUE ") : QString(),
             ifMissing ? QStringLiteral("IF NOT EXISTS ") : QString(),
             quoteIdentifier(storedIndexName(tableName, index.name)), quoteIdentifier(tableName),
             keyFields.join(u','));
}

void addMissingIndexes(QSqlDatabase db)
{
    const QStringList stored = storedTableNames(db);
    QSqlQuery query(db);
    for (const TableDef &table : schemaTables()) {
        if (!stored.contains(table.name, Qt::CaseInsensitive))
            continue;
        for (const IndexDef &index : table.indexes)
            // A unique index over numbers already given twice stays missing; the records stay as they are.
            if (!index.isPrimary())
                query.exec(createIndexStatement(table, index, table.name, true));
    }
}

QStringList createStatements(const TableDef &table, const QString &tableName)
{
    const QString name = tableName.isEmpty() ? table.name : tableName;
    QStringList columns;
    for (const auto &f : table.fields) {
        QString column = quoteIdentifier(f.name) + u' ' + declaredType(f);
        if (f.required)
            column += QLatin1String(" NOT NULL");
        columns.append(column);
    }
    if (const IndexDef *pk = table.primaryKey()) {
        QStringList keyFields;
        for (const auto &f : pk->fields)
            keyFields.append(quoteIdentifier(f));
        columns.append(QStringLiteral("PRIMARY KEY (%1)").arg(keyFields.join(u',')));
    }
    QStringList statements{
        QStringLiteral("CREATE TABLE %1 (%2)").arg(quoteIdentifier(name), columns.join(QLatin1String(", ")))};
    for (const auto &index : table.indexes)
        if (!index.isPrimary())
            statements.append(createIndexStatement(table, index, name));
    return statements;
}

DbResult createTable(const TableDef &table, QSqlDatabase db, const QString &tableName)
{
    const QString name = tableName.isEmpty() ? table.name : tableName;
    if (!db.transaction())
        return DbResult::failure(db.lastError().text());
    QSqlQuery query(db);
    QStringList statements{QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoteIdentifier(name))};
    statements += createStatements(table, name);
    for (const auto &statement : statements) {
        if (!query.exec(statement)) {
            const QString message = query.lastError().text();
            query.finish();
            db.rollback();
            return DbResult::failure(message);
        }
    }
    if (!db.commit()) {
        const QString message = db.lastError().text();
        db.rollback();
        return DbResult::failure(message);
    }
    return {};
}

std::optional<TableDef> describeTable(const QString &tableName, QSqlDatabase db)
{
    const QString name = canonicalTableName(tableName);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE"));
    query.addBindValue(name);
    if (!query.exec() || !query.next())
        return std::nullopt;
    TableDef table;
    table.name = query.value(0).toString();

    QMap<int, QString> keyFields;
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table.name))))
        return std::nullopt;
    while (query.next()) {
        FieldDef f;
        f.name = query.value(1).toString();
        f.type = typeForDeclared(query.value(2).toString(), &f.size);
        f.required = query.value(3).toBool();
        table.fields.append(f);
        if (const int pk = query.value(5).toInt(); pk > 0)
            keyFields.insert(pk, f.name);
    }
    if (!keyFields.isEmpty())
        table.indexes.append({QString(), keyFields.values(), IndexOption::Primary});

    // Creation order: the store's order of indexes as the grids look them up.
    QSqlQuery indexes(db);
    indexes.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name=? "
                                   "AND sql IS NOT NULL ORDER BY rowid"));
    indexes.addBindValue(table.name);
    if (!indexes.exec())
        return table;
    const QString prefix = table.name + u'_';
    while (indexes.next()) {
        const QString stored = indexes.value(0).toString();
        IndexDef index;
        index.name = stored.startsWith(prefix, Qt::CaseInsensitive) ? stored.mid(prefix.size()) : stored;
        QSqlQuery info(db);
        info.exec(QStringLiteral("PRAGMA index_xinfo(%1)").arg(quoteIdentifier(stored)));
        bool noCase = false;
        while (info.next()) {
            if (info.value(5).toInt() != 1) // key columns only
                continue;
            index.fields.append(info.value(2).toString());
            noCase = noCase || info.value(4).toString().compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0;
        }
        QSqlQuery unique(db);
        unique.exec(QStringLiteral("PRAGMA index_list(%1)").arg(quoteIdentifier(table.name)));
        while (unique.next())
            if (unique.value(1).toString() == stored && unique.value(2).toInt() == 1)
                index.options |= IndexOption::Unique;
        // A case-insensitive index over numbers has no collation to show it; the schema knows it.
        if (noCase)
            index.options |= IndexOption::CaseInsensitive;
        else if (const auto known = tableDef(table.name))
            if (const IndexDef *knownIndex = known->index(index.name))
                index.options |= knownIndex->options & IndexOption::CaseInsensitive;
        table.indexes.append(index);
    }
    return table;
}

bool tableExists(const QString &tableName, QSqlDatabase db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE"));
    query.addBindValue(canonicalTableName(tableName));
    return query.exec() && query.next();
}

QStringList storedTableNames(QSqlDatabase db)
{
    QStringList names;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' "
                                  "ORDER BY rowid")))
        while (query.next())
            names.append(query.value(0).toString());
    return names;
}

} // namespace tekvora::db
