#pragma once

#include <QString>

namespace tekvora::db {

/// Turns an SQL text or a cursor filter of the program's dialect into SQLite's: table names with ".db"
/// endings, 'dd.mm.yyyy' and 'dd.mm.yyyy hh:nn' literals against date fields (a date against a date-time
/// field means the whole day), 'true'/'false' against boolean fields, and the "SUM OF x" names of unnamed
/// aggregates. Everything else, literals inside longer text included, stays as written.
QString translateSql(const QString &sql);

} // namespace tekvora::db
