#include "db/SqlHelpers.h"

#include "db/SqlTranslator.h"
#include "db/StorageValue.h"
#include "db/TableCursor.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlResult>

#include <sqlite3.h>

namespace tekvora::db {

namespace {

QString queryError(const QSqlQuery &query)
{
    const QString message = query.lastError().databaseText();
    return message.isEmpty() ? query.lastError().text() : message;
}

sqlite3_stmt *statementOf(const QSqlQuery &query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt *const *>(handle.constData());
}

/// The type of a column without a declared type: "SUM OF x" and the like by x, else by the field name.
FieldType typeByColumnName(const QString &name, const QVariant &sample)
{
    static const QRegularExpression aggregate(QStringLiteral("^(SUM|COUNT|MAX|MIN|AVG) OF (.*)$"));
    const auto match = aggregate.match(name);
    QString field = match.hasMatch() ? match.captured(2).trimmed() : name;
    field = field.section(u'.', -1);
    if (match.hasMatch() && match.captured(1) == QLatin1String("COUNT"))
        return FieldType::Int32;
    if (match.hasMatch() && (match.captured(1) == QLatin1String("SUM") || match.captured(1) == QLatin1String("AVG"))) {
        const auto type = fieldTypeByName(field);
        return type && (*type == FieldType::Int32 || *type == FieldType::Int16) ? FieldType::Int32 : FieldType::Float;
    }
    if (const auto type = fieldTypeByName(field))
        return *type;
    switch (sample.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return FieldType::Int32;
    case QMetaType::Double:
        return FieldType::Float;
    case QMetaType::QByteArray:
        return FieldType::Graphic;
    default:
        return FieldType::String;
    }
}

QVariant fieldValue(const QSqlRecord &record, const QString &name)
{
    const int index = record.indexOf(name);
    if (index < 0)
        return {};
    const QVariant value = record.value(index);
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty()))
        return {};
    return value;
}

} // namespace

DbResult execute(const QString &sql, QSqlDatabase db)
{
    QSqlQuery query(db);
    if (!query.exec(translateSql(sql)))
        return DbResult::failure(queryError(query));
    return {};
}

int executeStatement(const QString &sql, QSqlDatabase db)
{
    return execute(sql, db).ok ? 0 : -1;
}

QSqlQuery openQuery(const QString &sql, QSqlDatabase db, QString *error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(translateSql(sql)) && error)
        *error = queryError(query);
    return query;
}

int lookupInt(const QString &sql, const QString &fieldName, int defaultValue, QString *error, QSqlDatabase db)
{
    QSqlQuery query = openQuery(sql, db, error);
    if (!query.isActive() || !query.next())
        return defaultValue;
    return fieldInt(query.record(), fieldName, defaultValue);
}

bool lookupFlag(const QString &sql, const QString &fieldName, bool defaultValue, QString *error, QSqlDatabase db)
{
    QSqlQuery query = openQuery(sql, db, error);
    if (!query.isActive() || !query.next())
        return defaultValue;
    return fieldFlag(query.record(), fieldName, defaultValue);
}

QList<FieldType> resultFieldTypes(const QSqlQuery &query)
{
    QList<FieldType> types;
    const QSqlRecord record = query.record();
    sqlite3_stmt *statement = statementOf(query);
    for (int i = 0; i < record.count(); ++i) {
        const char *declared = statement ? sqlite3_column_decltype(statement, i) : nullptr;
        if (declared && *declared)
            types.append(typeForDeclared(QString::fromUtf8(declared)));
        else
            types.append(typeByColumnName(record.fieldName(i), query.isValid() ? query.value(i) : QVariant()));
    }
    return types;
}

QSqlRecord typedRecord(const QSqlQuery &query, const QList<FieldType> &types)
{
    QSqlRecord record = query.record();
    for (int i = 0; i < record.count() && i < types.size(); ++i)
        record.setValue(i, fromStorage(query.value(i), types[i]));
    return record;
}

int fieldInt(const QSqlRecord &record, const QString &name, int defaultValue)
{
    const QVariant value = fieldValue(record, name);
    return value.isNull() ? defaultValue : value.toInt();
}

QString fieldText(const QSqlRecord &record, const QString &name, const QString &defaultValue)
{
    const QVariant value = fieldValue(record, name);
    return value.isNull() ? defaultValue : value.toString();
}

double fieldFloat(const QSqlRecord &record, const QString &name, double defaultValue)
{
    const QVariant value = fieldValue(record, name);
    return value.isNull() ? defaultValue : value.toDouble();
}

bool fieldFlag(const QSqlRecord &record, const QString &name, bool defaultValue)
{
    const QVariant value = fieldValue(record, name);
    if (value.isNull())
        return defaultValue;
    if (value.typeId() == QMetaType::QString) {
        const QString word = value.toString().trimmed().toLower();
        return word == QLatin1String("true") || word == QLatin1String("1") || word == QLatin1String("j");
    }
    return value.toBool();
}

std::unique_ptr<TableCursor> openTableCursor(const QString &connectionName, const QString &tableName,
                                             const QString &indexName, QString *error)
{
    auto cursor = std::make_unique<TableCursor>(tableName, connectionName);
    if (!cursor->setIndexName(indexName) || !cursor->open()) {
        if (error)
            *error = cursor->lastError();
        return nullptr;
    }
    return cursor;
}

} // namespace tekvora::db
