#pragma once

#include "db/Database.h"
#include "db/DbResult.h"
#include "db/Schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

#include <memory>

namespace tekvora::db {

class TableCursor;

// Running SQL of the program's dialect: every text goes through translateSql first.

/// Runs one statement; 0 on success, -1 on any error of the store (no message).
int executeStatement(const QString &sql, QSqlDatabase db = database());
/// Runs one statement; the store's message on failure.
DbResult execute(const QString &sql, QSqlDatabase db = database());
/// Opens a forward-only query of the text; on failure the query is inactive and error holds the message.
QSqlQuery openQuery(const QString &sql, QSqlDatabase db = database(), QString *error = nullptr);

/// The named field of the query's first record as integer; the default without a record or for an empty
/// field. An error of the query itself goes to error (and gives the default).
int lookupInt(const QString &sql, const QString &fieldName, int defaultValue, QString *error = nullptr,
              QSqlDatabase db = database());
/// The same, read as a flag.
bool lookupFlag(const QString &sql, const QString &fieldName, bool defaultValue, QString *error = nullptr,
                QSqlDatabase db = database());

/// The field types of a query's result columns (from the declared types, else from the column names).
QList<FieldType> resultFieldTypes(const QSqlQuery &query);
/// The current record of a query with its values read back as their field types (QDate, bool, ...).
QSqlRecord typedRecord(const QSqlQuery &query, const QList<FieldType> &types);

// Field readers: an absent field or an empty value gives the default.
int fieldInt(const QSqlRecord &record, const QString &name, int defaultValue);
QString fieldText(const QSqlRecord &record, const QString &name, const QString &defaultValue = {});
double fieldFloat(const QSqlRecord &record, const QString &name, double defaultValue);
bool fieldFlag(const QSqlRecord &record, const QString &name, bool defaultValue);

/// Opens a cursor on the table in that index order; nullptr (and the message in error) on any error.
std::unique_ptr<TableCursor> openTableCursor(const QString &connectionName, const QString &tableName,
                                             const QString &indexName, QString *error = nullptr);

} // namespace tekvora::db
