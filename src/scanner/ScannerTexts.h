#pragma once

#include <QString>

/// The scanner dialog's own words, in one place.
namespace tekvora::scanner::texts {

inline const QString NoScanner = QStringLiteral("Es ist kein Scanner angeschlossen!");
inline const QString PortRange = QStringLiteral("Gültige Port-Werte sind \"1\" .. \"16\"");
inline const QString InitError = QStringLiteral("Fehler Init:");
inline const QString ReadDataError = QStringLiteral("Fehler ReadData:");
inline const QString NotRegistered =
    QStringLiteral("Dieser Scanner ist noch nicht in Ihrer Scannerverwaltung registriert!\r"
                   "Sie können keine Barcode-Daten verarbeiten, bevor der Scanner erfasst wurde.\r"
                   "Die eingelesene Scanner-ID ist:");
inline const QString Error = QStringLiteral("Fehler");
inline const QString NoBarcodes = QStringLiteral("Scanner enthält keine Barcodes!");
inline const QString UpdateFailed = QStringLiteral("Fehler beim Update der Scannertabelle!\r");
inline const QString ClockSynced = QStringLiteral("Zeitsynchronisation durchgeführt");
inline const QString ClockSetLinePrefix = QStringLiteral("Scannerzeit auf ");
inline const QString ClockSetLineSuffix = QStringLiteral(" gesetzt");
inline const QString MemoryClearedLine = QStringLiteral("Scannerspeicher gelöscht");
inline const QString NothingStored = QStringLiteral("Keine Barcodes gespeichert!");
inline const QString ClearFailedPrefix = QStringLiteral("Löschen fehlgeschlagen (");
inline const QString ClearFailedSuffix = QStringLiteral(")!");
inline const QString MemoryCleared = QStringLiteral("Scannerspeicher wurde gelöscht");
inline const QString ClockSetPrefix = QStringLiteral("Uhrzeit wurde auf ");
inline const QString ClockSetSuffix = QStringLiteral(" gesetzt");
inline const QString ClockRange = QStringLiteral("Fehler bei Bereichsprüfung: die Uhrzeit %1 passt nicht in den "
                                                 "Scanner (Jahre 2000 bis 2255).");
inline const QString ConfirmDiscard = QStringLiteral("Wollen Sie die Importdatei wirklich löschen?");
inline const QString DiscardFailed = QStringLiteral("Kann Datei  %1 nicht löschen!");
inline const QString ScanFileExists =
    QStringLiteral("Die Importdatei %1 ist noch nicht verarbeitet.\rVerarbeiten oder verwerfen Sie sie zuerst.");
inline const QString IniCreateFailed = QStringLiteral("Kann Datei  %1 nicht erzeugen!");
inline const QString IniReadFailed = QStringLiteral("Kann Datei  %1 nicht lesen!");
inline const QString IniWriteFailed = QStringLiteral("Kann in Datei  %1 nicht schreiben!");

} // namespace tekvora::scanner::texts
