#include "db/TableCreation.h"

#include "app/LabelListName.h"
#include "db/Schema.h"
#include "db/SqlQuote.h"

#include <QSqlQuery>

namespace tekvora::db {

namespace {

DbResult createKnownTable(const QString &name, QSqlDatabase db)
{
    return createTable(*tableDef(name), db);
}

} // namespace

DbResult createFtpDefTable(QSqlDatabase db)
{
    return createKnownTable(QStringLiteral("FtpDef"), db);
}

DbResult createScanimpTable(QSqlDatabase db)
{
    return createKnownTable(QStringLiteral("Scanimp"), db);
}

DbResult createMdeObjTables(QSqlDatabase db)
{
    const DbResult result = createKnownTable(QStringLiteral("MdeObj"), db);
    if (!result.ok)
        return result;
    return createKnownTable(QStringLiteral("MdePJ"), db);
}

QString freeLabelListName(const QString &extension, QSqlDatabase db)
{
    return app::freeLabelListName(extension, [&db](const QString &name) { return tableExists(name, db); });
}

bool createLabelListTable(const QString &name, QSqlDatabase db)
{
    const QString table = canonicalTableName(name);
    if (createTable(labelListTableDef(table), db).ok)
        return true;
    QSqlQuery(db).exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoteIdentifier(table)));
    return false;
}

} // namespace tekvora::db
