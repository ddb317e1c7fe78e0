#include "scanner/ScannerRegister.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::scanner {

bool ScannerRegister::isRegistered(qint64 scannerId, QString &error) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT SV_ID FROM Scandev WHERE SV_ScannerID = ? AND SV_ID > 0"));
    query.addBindValue(scannerId);
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    return query.next();
}

bool ScannerRegister::markRead(qint64 scannerId, const QDateTime &when, QString &error)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE Scandev SET SV_Zuletztgelesen = ? WHERE SV_ScannerID = ?"));
    query.addBindValue(when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    query.addBindValue(scannerId);
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

int ScannerRegister::appendScanner(QString &error)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("INSERT INTO Scandev (SV_ID, SV_Type, SV_ScannerID, SV_Bindung) "
                                   "SELECT COALESCE(MAX(SV_ID), 0) + 1, 1, 0, 0 FROM Scandev"))
        || !query.exec(QStringLiteral("SELECT MAX(SV_ID) FROM Scandev")) || !query.next()) {
        error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

} // namespace tekvora::scanner
