#include "masterdata/SiteRecords.h"

#include "db/Numbers.h"
#include "db/StorageValue.h"
#include "db/SqlTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tekvora::masterdata
{

namespace
{

QSqlQuery prepared(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query;
}

db::DbResult run(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query = prepared(db, sql, values);
    if (!query.exec())
        return db::DbResult::failure(query.lastError().text());
    return {};
}

db::DbResult insertRow(QSqlDatabase db, const QString &table, const QVariantMap &values)
{
    QStringList names;
    QVariantList binds;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        names.append(it.key());
        binds.append(db::toStorage(it.value()));
    }
    return run(db,
               QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(table, names.join(u','), QStringList(names.size(), QStringLiteral("?")).join(u',')),
               binds);
}

} // namespace

QVariantMap newSiteActivityValues(int siteId, int siteNr, const QDate &today, QSqlDatabase db)
{
    QVariantMap values{{QStringLiteral("TS_ID"), db::nextKey(QStringLiteral("OTaetNeu"), QStringLiteral("TS_ID"), db)},
                       {QStringLiteral("TS_ObjID"), siteId},
                       {QStringLiteral("TS_Objekt"), siteNr},
                       {QStringLiteral("TS_Modus"), 1},
                       {QStringLiteral("TS_StartDatum"), today},
                       {QStringLiteral("TS_AktuellBis"), today},
                       {QStringLiteral("TS_Param"), QString()},
                       {QStringLiteral("TS_Dauer"), 0.0},
                       {QStringLiteral("TS_EkPreis"), 0.0},
                       {QStringLiteral("TS_VkPreis"), 0.0}};
    for (const char *zero : {"TS_Taetigkeit", "TS_OldTaetigNr", "TS_TeamNr", "TS_OldTeamNr", "TS_Func", "TS_Menge"})
        values.insert(QString::fromLatin1(zero), 0);
    return values;
}

CopyResult copySiteActivities(int sourceSiteId, int targetSiteId, int targetSiteNr, const QDate &today, QSqlDatabase db)
{
    db::SqlTransaction transaction(db);
    if (!transaction.isActive())
        return {db::DbResult::failure(db.lastError().text())};
    QSqlQuery source = prepared(db,
                                QStringLiteral("SELECT TS_Taetigkeit, TS_StartDatum, TS_Modus, TS_Wtag, TS_Dauer "
                                               "FROM OTaetNeu WHERE TS_ObjID = ? ORDER BY TS_ID"),
                                {sourceSiteId});
    source.setForwardOnly(true);
    if (!source.exec())
        return {db::DbResult::failure(source.lastError().text())};
    QList<QSqlRecord> rows;
    while (source.next())
        rows.append(source.record());
    source.finish();

    QVariantMap row = newSiteActivityValues(targetSiteId, targetSiteNr, today, db);
    int key = row.value(QStringLiteral("TS_ID")).toInt();
    for (const QSqlRecord &from : rows) {
        row.insert(QStringLiteral("TS_ID"), key++);
        // Stored values are copied as they lie; the dates are already in storage form.
        row.insert(QStringLiteral("TS_Taetigkeit"), from.value(0));
        row.insert(QStringLiteral("TS_StartDatum"), from.value(1));
        row.insert(QStringLiteral("TS_Modus"), from.isNull(2) ? QVariant(1) : from.value(2));
        row.insert(QStringLiteral("TS_Wtag"), from.value(3));
        row.insert(QStringLiteral("TS_Dauer"), from.value(4));
        if (db::DbResult done = insertRow(db, QStringLiteral("OTaetNeu"), row); !done)
            return {done};
    }
    if (!transaction.commit())
        return {db::DbResult::failure(db.lastError().text())};
    return {{}, int(rows.size())};
}

db::DbResult setAllSitesSelected(bool selected, QSqlDatabase db)
{
    return run(db, QStringLiteral("UPDATE Objekte SET O_Selected = ?"), {selected ? 1 : 0});
}

QString activityLongText(int activityNr, QSqlDatabase db)
{
    QSqlQuery query = prepared(db, QStringLiteral("SELECT T_TextTour FROM Taetig WHERE T_Nr = ?"), {activityNr});
    if (!query.exec() || !query.next())
        return {};
    return query.value(0).toString();
}

} // namespace tekvora::masterdata
