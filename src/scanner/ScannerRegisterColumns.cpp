#include "scanner/ScannerRegisterColumns.h"

namespace tekvora::scanner {

const QList<RegisterColumn> &registerColumns()
{
    static const QList<RegisterColumn> columns{
        {QStringLiteral("SV_Type"), QStringLiteral("Typ-Kz"),
         QStringLiteral("Geben Sie hier eine Zahl ein, die den Typ Ihres Scanners identifiziert. Für Opticon OPN-2001 "
                        "geben Sie eine \"1\" ein")},
        {QStringLiteral("SV_Name"), QStringLiteral("Geräte-Bezeichnung"),
         QStringLiteral("Geben Sie hier Typbezeichnung Ihres Scanners ein (nur Information).")},
        {QStringLiteral("SV_ScannerID"), QStringLiteral("Scanner-ID"),
         QStringLiteral("Geben Sie hier die auf dem Scanner aufgedruckte Nummer (ID) ein. Sie dient der "
                        "Identifizierung des Scanners beim Einlesen von Barcodes.")},
        {QStringLiteral("SV_Pers"), QStringLiteral("Pers-Nr."),
         QStringLiteral("Wählen Sie per Doppelclick den Mitarbeiter aus, dem der Scanner übergeben wurde.")},
        {QStringLiteral("SV_ErhaltenAm"), QStringLiteral("Erhalten am"),
         QStringLiteral("Wählen Sie per Doppelclick das Datum, an dem der Scanner übergeben wurde.")},
        {QStringLiteral("SV_Zuletztgelesen"), QStringLiteral("Zuletzt gelesen"),
         QStringLiteral("In dieser Spalte sehen Sie, wann der Scanner zuletzt ausgelesen wurde.")},
        {QStringLiteral("SV_LetzterScan"), QStringLiteral("Zuletzt verarbeitet"),
         QStringLiteral("In dieser Spalte sehen Sie, welcher Barcode zuletzt verarbeitet wurde.")},
        {QStringLiteral("SV_Bindung"), QStringLiteral("Bindung"),
         QStringLiteral("Setzen Sie das Kennzeichen auf \"Ja\", wenn über den Scanner die Personalnummer für "
                        "Personenscans ermittelt werden soll. Setzen Sie dieses Kennzeichen nicht, wenn über den "
                        "Scanner Daten für mehrere Mitarbeiter erfasst werden!")},
    };
    return columns;
}

QString registerHint(const QString &field)
{
    for (const RegisterColumn &column : registerColumns())
        if (column.field == field)
            return column.hint;
    return QStringLiteral("Geben Sie hier einen Kommentar Ihrer Wahl ein.");
}

} // namespace tekvora::scanner
