#pragma once

#include "db/DbResult.h"

#include <QFlags>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace tekvora::db {

/// The field types of the tables; each maps to one declared SQLite type (see declaredType).
enum class FieldType {
    Int32,
    Int16,
    Float,
    Money,
    Bool,
    Date,
    DateTime,
    Time,
    String,
    Memo,
    FormattedMemo,
    Graphic,
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0; ///< characters of a string, bytes kept in the record of a memo
    bool required = false;
};

enum class IndexOption {
    Primary = 0x1,
    Unique = 0x2,
    CaseInsensitive = 0x4,
};
Q_DECLARE_FLAGS(IndexOptions, IndexOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(IndexOptions)

struct IndexDef
{
    QString name; ///< empty for the primary key
    QStringList fields;
    IndexOptions options;

    /// The fields separated by ";", as the grids compare them.
    QString fieldList() const { return fields.join(u';'); }
    bool isPrimary() const { return options.testFlag(IndexOption::Primary); }
};

struct TableDef
{
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes; ///< the primary key (if any) first, then the secondary indexes

    /// The field of that name (case-insensitive), or nullptr.
    const FieldDef *field(const QString &fieldName) const;
    /// The primary key, or nullptr for a table without one.
    const IndexDef *primaryKey() const;
    /// The index of that name (case-insensitive), or nullptr; an empty name gives the primary key.
    const IndexDef *index(const QString &indexName) const;
    QStringList fieldNames() const;
};

/// Every table of a client's data directory known to the program, label lists excepted.
const QList<TableDef> &schemaTables();

/// The table name without a ".db" ending (any case) and, for a known table, in the schema's spelling.
QString canonicalTableName(const QString &name);

/// The definition of a known table, accepting ".db" endings, any letter case and label list names.
std::optional<TableDef> tableDef(const QString &name);

/// The label list table of that name ("Tmppr000").
TableDef labelListTableDef(const QString &name);

/// The type of a field by its name in any table (field names are unique across the schema).
std::optional<FieldType> fieldTypeByName(const QString &fieldName);

/// The SQLite type declared for a field type; typeForDeclared reads it back.
QString declaredType(const FieldDef &field);
FieldType typeForDeclared(const QString &declared, int *size = nullptr);

/// The name of a secondary index inside the store: index names are per table here, but global in SQLite.
QString storedIndexName(const QString &tableName, const QString &indexName);

/// CREATE TABLE and CREATE INDEX statements for the definition, under another name when given.
QStringList createStatements(const TableDef &table, const QString &tableName = {});
/// The statement creating one secondary index of the table stored as `tableName`.
QString createIndexStatement(const TableDef &table, const IndexDef &index, const QString &tableName,
                             bool ifMissing = false);
/// Creates the secondary indexes of the known tables that a store made by an older version lacks.
void addMissingIndexes(QSqlDatabase db);

/// Creates the table in one transaction, replacing an existing table of that name.
DbResult createTable(const TableDef &table, QSqlDatabase db, const QString &tableName = {});

/// The table as the store holds it: fields, primary key and indexes (for tables outside the schema too).
std::optional<TableDef> describeTable(const QString &tableName, QSqlDatabase db);

/// True when the table exists in the store (what "the table file exists" means here).
bool tableExists(const QString &tableName, QSqlDatabase db);

/// The names of all tables in the store, in creation order.
QStringList storedTableNames(QSqlDatabase db);

} // namespace tekvora::db
