#include "db/Numbers.h"

#include "db/PreparedStatements.h"
#include "db/Schema.h"
#include "db/SqlHelpers.h"
#include "db/SqlQuote.h"
#include "db/SqlTranslator.h"
#include "db/TableCursor.h"

#include <limits>

namespace tekvora::db {

namespace {

/// Runs one of the look-up texts ("Select P_Name1 from Personal where P_Nr=") with the number bound
/// where the text ends, on a prepared statement that is kept for the next call.
QVariant lookUp(QSqlDatabase db, const QString &text, int number)
{
    QSqlQuery &query = preparedStatement(db, translateSql(text + u'?'));
    query.addBindValue(number);
    if (!query.exec() || !query.next()) {
        query.finish();
        return {};
    }
    const QVariant value = query.value(0);
    query.finish();
    return value;
}

QString textByNumber(QSqlDatabase db, const QString &text, int number)
{
    return lookUp(db, text, number).toString();
}

int keyByNumber(QSqlDatabase db, const QString &text, int number)
{
    return lookUp(db, text, number).toInt();
}

int companyMinimum(QSqlDatabase db, const QString &field)
{
    return lookupInt(QStringLiteral("Select %1 from Firmen").arg(field), field, 1, nullptr, db);
}

} // namespace

int nextFreeValue(const QString &tableName, const QString &fieldName, int start, QSqlDatabase db)
{
    const QString table = quoteIdentifier(canonicalTableName(tableName));
    const QString field = quoteIdentifier(fieldName);
    QSqlQuery count(db);
    count.setForwardOnly(true);
    if (!count.prepare(QStringLiteral("SELECT count(DISTINCT %2) FROM %1 WHERE %2 BETWEEN ? AND ?").arg(table, field)))
        return start;
    const auto valuesBetween = [&count](qint64 from, qint64 to) -> qint64 {
        count.addBindValue(from);
        count.addBindValue(to);
        const qint64 found = count.exec() && count.next() ? count.value(0).toLongLong() : 0;
        count.finish();
        return found;
    };
    // Halving on the index: [start, taken] holds no gap, and beyond start + values there must be one.
    qint64 taken = start - 1;
    qint64 free = start + valuesBetween(start, std::numeric_limits<int>::max());
    while (free - taken > 1) {
        const qint64 middle = taken + (free - taken) / 2;
        if (valuesBetween(taken + 1, middle) == middle - taken)
            taken = middle;
        else
            free = middle;
    }
    return int(free);
}

int nextFreeActivityNumber(QSqlDatabase db)
{
    return nextFreeValue(QStringLiteral("Taetig"), QStringLiteral("T_Nr"), companyMinimum(db, "F_MinNrTaetig"), db);
}

int nextFreeSiteNumber(QSqlDatabase db)
{
    return nextFreeValue(QStringLiteral("Objekte"), QStringLiteral("O_Nr"), companyMinimum(db, "F_MinNrObjekt"), db);
}

int nextFreeStaffNumber(QSqlDatabase db)
{
    return nextFreeValue(QStringLiteral("Personal"), QStringLiteral("P_Nr"), companyMinimum(db, "F_MinNrPersonal"),
                         db);
}

int nextKey(const QString &tableName, const QString &fieldName, QSqlDatabase db)
{
    const auto table = describeTable(tableName, db);
    if (!table)
        return 1;
    QStringList order;
    if (const IndexDef *key = table->primaryKey())
        for (const QString &f : key->fields)
            order.append(quoteIdentifier(f) + QStringLiteral(" DESC"));
    else
        order.append(QStringLiteral("rowid DESC"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3 LIMIT 1")
                        .arg(quoteIdentifier(fieldName), quoteIdentifier(table->name), order.join(u','))))
        return 1;
    if (!query.next())
        return 1;
    return query.value(0).toInt() + 1;
}

int nextKey(const TableCursor &cursor, const QString &fieldName)
{
    return nextKey(cursor.tableName(), fieldName, database(cursor.connectionName()));
}

QString staffNameByNumber(int number, QSqlDatabase db)
{
    return textByNumber(db, QStringLiteral("Select P_Name1 from Personal where P_Nr="), number);
}

QString staffMatchByNumber(int number, QSqlDatabase db)
{
    return textByNumber(db, QStringLiteral("Select P_Match from Personal where P_Nr="), number);
}

int staffKeyByNumber(int number, QSqlDatabase db)
{
    return keyByNumber(db, QStringLiteral("Select P_ID from Personal where P_Nr="), number);
}

QString activityNameByNumber(int number, QSqlDatabase db)
{
    return textByNumber(db, QStringLiteral("Select T_Match from Taetig where T_Nr="), number);
}

int activityKeyByNumber(int number, QSqlDatabase db)
{
    return keyByNumber(db, QStringLiteral("Select T_ID from Taetig where T_Nr="), number);
}

QString siteNameByNumber(int number, QSqlDatabase db)
{
    return textByNumber(db, QStringLiteral("Select O_Match from Objekte where O_Nr="), number);
}

int siteKeyByNumber(int number, QSqlDatabase db)
{
    return keyByNumber(db, QStringLiteral("Select O_ID from Objekte where O_Nr="), number);
}

} // namespace tekvora::db
