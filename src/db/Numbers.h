#pragma once

#include "db/Database.h"

#include <QSqlDatabase>
#include <QString>

namespace tekvora::db {

class TableCursor;

/// The lowest value >= start that no record of the table has in the field.
int nextFreeValue(const QString &tableName, const QString &fieldName, int start, QSqlDatabase db = database());

/// The lowest unused activity number (T_Nr) from the company's minimum F_MinNrTaetig.
int nextFreeActivityNumber(QSqlDatabase db = database());
/// The lowest unused site number (O_Nr) from F_MinNrObjekt.
int nextFreeSiteNumber(QSqlDatabase db = database());
/// The lowest unused staff number (P_Nr) from F_MinNrPersonal.
int nextFreeStaffNumber(QSqlDatabase db = database());

/// The field's value in the table's last record by primary key, plus 1; 1 for an empty table.
int nextKey(const QString &tableName, const QString &fieldName, QSqlDatabase db = database());
/// The same for the cursor's table.
int nextKey(const TableCursor &cursor, const QString &fieldName);

// Look-ups by number (inactive staff included); empty text or 0 when nothing is found.
QString staffNameByNumber(int number, QSqlDatabase db = database());  ///< P_Name1
QString staffMatchByNumber(int number, QSqlDatabase db = database()); ///< P_Match
int staffKeyByNumber(int number, QSqlDatabase db = database());       ///< P_ID
QString activityNameByNumber(int number, QSqlDatabase db = database()); ///< T_Match
int activityKeyByNumber(int number, QSqlDatabase db = database());      ///< T_ID
QString siteNameByNumber(int number, QSqlDatabase db = database()); ///< O_Match
int siteKeyByNumber(int number, QSqlDatabase db = database());      ///< O_ID

} // namespace tekvora::db
