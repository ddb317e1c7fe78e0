#pragma once

#include "db/Database.h"
#include "db/DbResult.h"

#include <QSqlDatabase>
#include <QString>

namespace tekvora::db {

// The tables the program creates itself when they are missing. Creating replaces an existing table, so
// callers check tableExists first.

/// "FtpDef" with its key and the "I_Desc" index.
DbResult createFtpDefTable(QSqlDatabase db = database());
/// "Scanimp", the raw scan records.
DbResult createScanimpTable(QSqlDatabase db = database());
/// "MdeObj" and then, only when that worked, "MdePJ".
DbResult createMdeObjTables(QSqlDatabase db = database());

/// "Tmppr" + the lowest three-digit number whose table does not exist + the extension (".db" by callers);
/// empty when all thousand exist.
QString freeLabelListName(const QString &extension, QSqlDatabase db = database());
/// Creates the label list table of that name ("Tmppr000.db"); false when that fails, nothing is left then.
bool createLabelListTable(const QString &name, QSqlDatabase db = database());

} // namespace tekvora::db
