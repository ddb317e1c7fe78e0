#include "posting/ScandevRegister.h"

#include <QSqlQuery>

namespace tekvora::posting {

std::optional<RegisteredScanner> ScandevRegister::find(int scannerId)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT SV_ID, SV_Bindung, SV_Pers, SV_LetzterScan FROM Scandev "
                                 "WHERE SV_ScannerID = ? ORDER BY SV_ID"));
    query.addBindValue(scannerId);
    if (!query.exec() || !query.next() || query.value(0).toInt() <= 0)
        return std::nullopt;
    RegisteredScanner scanner;
    scanner.bound = query.value(1).toBool();
    scanner.persNr = query.value(2).toInt();
    scanner.lastScan = query.value(3).toString();
    return scanner;
}

} // namespace tekvora::posting
