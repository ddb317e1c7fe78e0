#pragma once

#include <QString>

#include <optional>

namespace tekvora::posting {

/// What the interpretation needs to know of a registered scanner (`Scandev`).
struct RegisteredScanner
{
    bool bound = false; ///< `SV_Bindung`: scans without a badge count for `persNr`
    int persNr = 0;     ///< `SV_Pers`; 0 when empty
    QString lastScan;   ///< `SV_LetzterScan`: the line processed last time
};

/// Source of scanner register rows: the database, or a table in tests.
class ScannerRegister
{
public:
    virtual ~ScannerRegister() = default;
    /// nullopt when no register row carries this scanner id.
    virtual std::optional<RegisteredScanner> find(int scannerId) = 0;
};

} // namespace tekvora::posting
