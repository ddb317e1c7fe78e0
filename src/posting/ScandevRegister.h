#pragma once

#include "posting/ScannerRegister.h"

#include <QSqlDatabase>

namespace tekvora::posting {

/// The scanner register rows of table `Scandev`.
class ScandevRegister : public ScannerRegister
{
public:
    explicit ScandevRegister(QSqlDatabase db) : m_db(std::move(db)) {}
    std::optional<RegisteredScanner> find(int scannerId) override;

private:
    QSqlDatabase m_db;
};

} // namespace tekvora::posting
