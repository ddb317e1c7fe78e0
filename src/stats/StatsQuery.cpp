#include "stats/StatsQuery.h"

#include "stats/StatsStorage.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::stats {

namespace {

QString quoted(const QString &field)
{
    return QLatin1Char('"') + field + QLatin1Char('"');
}

// The period's records, grouped where the view sums; the grid filter applies on top of this.
BoundSql baseSql(const ViewDefinition &def, const StatsPeriod &period)
{
    QStringList fields;
    for (const StatsColumn &column : def.columns) {
        if (column.field.startsWith(QLatin1String("SUM OF ")))
            fields << QStringLiteral("SUM(%1) AS %2").arg(column.field.mid(7), quoted(column.field));
        else
            fields << column.field;
    }
    fields << def.extraFields;
    QString text = QStringLiteral("SELECT %1 FROM %2 WHERE (%3 >= ?) AND (%3 < ?)")
                       .arg(fields.join(QStringLiteral(", ")), def.table, def.periodField);
    if (!def.groupBy.isEmpty())
        text += QStringLiteral(" GROUP BY ") + def.groupBy;
    return {text, {storedDateTime(period.from()), storedDateTime(period.until())}};
}

BoundSql filtered(BoundSql base, const GridFilter &filter)
{
    const QString condition = filter.sql(&base.values);
    base.text = QStringLiteral("SELECT * FROM (") + base.text + QLatin1Char(')');
    if (!condition.isEmpty())
        base.text += QStringLiteral(" WHERE ") + condition;
    return base;
}

} // namespace

BoundSql viewRowsSql(StatsView view, const StatsPeriod &period, const GridFilter &filter)
{
    const ViewDefinition &def = viewDefinition(view);
    BoundSql sql = filtered(baseSql(def, period), filter);
    sql.text += QStringLiteral(" ORDER BY ") + def.orderBy;
    return sql;
}

BoundSql viewFooterSql(StatsView view, const StatsPeriod &period, const GridFilter &filter)
{
    const ViewDefinition &def = viewDefinition(view);
    const BoundSql rows = filtered(baseSql(def, period), filter);
    QStringList sums;
    for (const QString &field : def.footerFields)
        sums << QStringLiteral("TOTAL(%1)").arg(quoted(field));
    return {QStringLiteral("SELECT ") + sums.join(QStringLiteral(", ")) + QStringLiteral(" FROM (") + rows.text
                + QLatin1Char(')'),
            rows.values};
}

BoundSql visitPersonsSql(qint64 visitId)
{
    const ViewDefinition &def = visitPersonsDefinition();
    QStringList fields;
    for (const StatsColumn &column : def.columns)
        fields << column.field;
    fields << def.extraFields;
    return {QStringLiteral("SELECT %1 FROM %2 WHERE SC_Ref = ? ORDER BY %3")
                .arg(fields.join(QStringLiteral(", ")), def.table, def.orderBy),
            {visitId}};
}

bool execBound(QSqlQuery &query, const BoundSql &sql, QString *error)
{
    if (!query.prepare(sql.text)) {
        *error = query.lastError().text();
        return false;
    }
    for (const QVariant &value : sql.values)
        query.addBindValue(value);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

bool viewTableExists(const QSqlDatabase &db, StatsView view)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    query.addBindValue(viewDefinition(view).table);
    return query.exec() && query.next();
}

void refreshPlannerStatistics(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return;
    QSqlQuery query(db);
    // Failures only cost speed: a missing table is analysed once it exists.
    query.exec(QStringLiteral("PRAGMA analysis_limit = 1000"));
    for (const StatsView view : {StatsView::Sites, StatsView::Persons}) {
        if (viewTableExists(db, view))
            query.exec(QStringLiteral("ANALYZE ") + viewDefinition(view).table);
    }
}

std::optional<QList<double>> viewFooterSums(const QSqlDatabase &db, StatsView view, const StatsPeriod &period,
                                            const GridFilter &filter, QString *error)
{
    const int count = int(viewDefinition(view).footerFields.size());
    QList<double> sums(count, 0.0);
    if (!viewTableExists(db, view))
        return sums;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!execBound(query, viewFooterSql(view, period, filter), error))
        return std::nullopt;
    if (query.next()) {
        for (int i = 0; i < count; ++i)
            sums[i] = query.value(i).toDouble();
    }
    return sums;
}

} // namespace tekvora::stats
