#pragma once

#include "support/TempDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QVariantList>

namespace tekvora::test
{

/// A fresh store with helpers to put sites and their activities in and read them back.
class SiteFixture
{
public:
    TempDatabase store;

    QSqlQuery exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(store.database());
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec())
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return query;
    }

    /// A site with O_ID = id; active as given (null: empty field).
    void addSite(int id, int nr, const QString &match, const QVariant &active = true)
    {
        exec(QStringLiteral("INSERT INTO Objekte (O_ID, O_Nr, O_Match, O_Name1, O_Aktiv, O_Selected) "
                            "VALUES (?, ?, ?, ?, ?, 0)"),
             {id, nr, match, QStringLiteral("Name ") + match,
              active.isNull() ? QVariant() : QVariant(active.toBool() ? 1 : 0)});
    }

    void addActivityRow(int id, int siteId, int activityNr, const QVariant &modus = 1,
                        const QString &startDate = QStringLiteral("2026-03-01"))
    {
        exec(QStringLiteral("INSERT INTO OTaetNeu (TS_ID, TS_ObjID, TS_Objekt, TS_Abschnitt, TS_Taetigkeit, TS_Modus, "
                            "TS_StartDatum, TS_Wtag, TS_Dauer) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {id, siteId, siteId * 10, QStringLiteral("EG"), activityNr, modus, startDate, QStringLiteral("1010100"),
              12.5});
    }

    void addActivity(int id, int nr, const QString &name, const QString &longText = {})
    {
        exec(QStringLiteral("INSERT INTO Taetig (T_ID, T_Nr, T_Match, T_TextTour) VALUES (?, ?, ?, ?)"),
             {id, nr, name, longText});
    }

    int count(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query = exec(sql, values);
        return query.next() ? query.value(0).toInt() : -1;
    }

    QList<int> column(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query = exec(sql, values);
        QList<int> result;
        while (query.next())
            result.append(query.value(0).toInt());
        return result;
    }
};

} // namespace tekvora::test
