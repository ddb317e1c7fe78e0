#pragma once

#include <QString>

namespace tekvora::scanner {

/// Where the scanner operations show what they see: the labels "Barcodes", "Geräte-ID" and
/// "Uhrzeit" and the listing. An empty text clears a label. The defaults ignore everything.
class ScannerMonitor
{
public:
    virtual ~ScannerMonitor() = default;

    virtual void clearListing() {}
    virtual void addListingLine(const QString &line) { Q_UNUSED(line) }
    virtual void showBarcodeCount(const QString &text) { Q_UNUSED(text) }
    virtual void showDeviceId(const QString &text) { Q_UNUSED(text) }
    virtual void showClock(const QString &text) { Q_UNUSED(text) }
};

} // namespace tekvora::scanner
