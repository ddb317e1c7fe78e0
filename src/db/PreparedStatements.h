#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace tekvora::db {

/// A prepared query of the (already translated) text, kept per connection for reuse; an inactive query
/// with the store's error when it cannot be prepared.
QSqlQuery &preparedStatement(QSqlDatabase db, const QString &sql);

/// Forgets the prepared queries of a connection (before it closes).
void releasePreparedStatements(const QString &connectionName);

} // namespace tekvora::db
