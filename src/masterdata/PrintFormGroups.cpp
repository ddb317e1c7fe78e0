#include "masterdata/PrintFormGroups.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::masterdata {

bool updatePrintFormSelectGroups(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    // IS NOT 1 also takes forms whose protection flag was never set.
    if (query.exec(QStringLiteral("UPDATE QrFrmDef SET Q_SelectGroup = (CAST(Q_FormType AS INTEGER) / 1000) * 1000 "
                                  "WHERE Q_Protect IS NOT 1")))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace tekvora::masterdata
