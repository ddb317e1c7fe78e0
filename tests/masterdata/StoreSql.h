#pragma once

#include "db/Database.h"

#include <QSqlQuery>
#include <QTest>

namespace tekvora::test {

/// Runs a statement on the program's connection; fails the test when it cannot run.
inline void execSql(const QString &sql)
{
    QSqlQuery query(db::database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

/// The first value the query yields; null without a row.
inline QVariant scalarSql(const QString &sql)
{
    QSqlQuery query(db::database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

} // namespace tekvora::test
