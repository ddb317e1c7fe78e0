#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

namespace tekvora::scanner {

/// The register of known scanners, table Scandev.
class ScannerRegister
{
public:
    explicit ScannerRegister(QSqlDatabase db) : m_db(std::move(db)) {}

    /// True when a row with SV_ID above 0 carries this scanner id. A failing query gives false
    /// with its text in `error`.
    bool isRegistered(qint64 scannerId, QString &error) const;
    /// Notes the time of the last read in SV_Zuletztgelesen.
    bool markRead(qint64 scannerId, const QDateTime &when, QString &error);
    /// Appends a row with the next SV_ID, type 1, no binding and scanner id 0; returns its SV_ID or -1.
    int appendScanner(QString &error);

private:
    QSqlDatabase m_db;
};

} // namespace tekvora::scanner
