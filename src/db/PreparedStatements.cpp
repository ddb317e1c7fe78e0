#include "db/PreparedStatements.h"

#include <QHash>

#include <memory>

namespace tekvora::db {

namespace {

using Cache = QHash<QString, std::shared_ptr<QSqlQuery>>;

QHash<QString, Cache> &caches()
{
    static QHash<QString, Cache> all;
    return all;
}

} // namespace

QSqlQuery &preparedStatement(QSqlDatabase db, const QString &sql)
{
    Cache &cache = caches()[db.connectionName()];
    std::shared_ptr<QSqlQuery> &query = cache[sql];
    if (!query) {
        query = std::make_shared<QSqlQuery>(db);
        query->setForwardOnly(true);
        query->prepare(sql);
    }
    return *query;
}

void releasePreparedStatements(const QString &connectionName)
{
    caches().remove(connectionName);
}

} // namespace tekvora::db
