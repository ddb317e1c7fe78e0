#pragma once

#include <QString>

/// The German messages of processing, checking and posting scans.
namespace tekvora::posting::texts {

inline const QString noScanData = QStringLiteral("Keine Scannerdaten gefunden!");
inline const QString unregisteredScanner =
    QStringLiteral("Dieser Scanner ist noch nicht in Ihrer Scannerverwaltung registriert!\n"
                   "Sie können keine Barcode-Daten verarbeiten, bevor der Scanner erfasst wurde.\n"
                   "Die eingelesene Scanner-ID ist:");
inline const QString noUsableScans =
    QStringLiteral("Es wurden keine verwertbaren Scannerdaten gefunden!\nImportdatei löschen?");
inline const QString noRecordsMade = QStringLiteral("Es wurden keine Datensätze erzeugt\nImportdatei löschen?");
/// "Es wurden 12 Barcodes verarbeitet\nund 5 Erfassungssätze gespeichert.\nLetzter verarbeiteter Barcode:..."
QString processingDone(int barcodes, int records, const QString &lastLine);
inline const QString scannerTableUpdateFailed = QStringLiteral("Fehler beim Update der Scannertabelle!");
inline const QString renameFailed = QStringLiteral("Fehler beim Umbenennen der Scannerdatei!");
inline const QString saveFailed =
    QStringLiteral("Fehler beim Speichern der Daten!\nFühren Sie die Verarbeitung noch einmal durch.");

inline const QString checkDone = QStringLiteral("Prüfung beendet");
inline const QString postingDone = QStringLiteral("Datenübernahme beendet");
inline const QString cannotCreateStore = QStringLiteral("Kann Scanner-Ablage nicht anlegen!");
inline const QString confirmDeleteAll =
    QStringLiteral("Diese Funktion löscht auch Datensätze, die\nmomentan nicht sichtbar sind!\n"
                   "Löschen Sie im Zweifelsfalle die Zeilen einzeln!\nTrotzdem gesamte Importtabelle löschen?");
inline const QString deleteAllFailed = QStringLiteral("Fehler beim Löschen der gebuchten Daten!");
inline const QString postingFailed = QStringLiteral("Fehler beim Verschieben der Daten!");
inline const QString deletePostedFailed = QStringLiteral("Fehler beim Löschen der verschobenen Daten!");

inline const QString activityNotRecorded = QStringLiteral("nicht erfasst");
inline const QString personLeaves = QStringLiteral("Person geht");
inline const QString siteChange = QStringLiteral("Baustellenwechsel");

} // namespace tekvora::posting::texts
