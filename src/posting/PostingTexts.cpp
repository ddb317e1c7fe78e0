#include "posting/PostingTexts.h"

namespace tekvora::posting::texts {

QString processingDone(int barcodes, int records, const QString &lastLine)
{
    return QStringLiteral("Es wurden %1 Barcodes verarbeitet\nund %2 Erfassungssätze gespeichert.\n"
                          "Letzter verarbeiteter Barcode:")
               .arg(barcodes)
               .arg(records)
        + lastLine;
}

} // namespace tekvora::posting::texts
