#pragma once

#include <QString>

/// The German texts of the database check and upgrade.
namespace tekvora::db::upgradetext {

inline const QString Caption = QStringLiteral("Aktualisierung auf Datenbank-Version %1");
inline const QString FirstLine = QStringLiteral("Anpassung der Datenbanken:");
inline const QString NewClient = QStringLiteral("Neuer Mandant %1 wird angelegt.");
inline const QString CopyingAuxDirs = QStringLiteral("Hilfsverzeichnisse werden kopiert.");
inline const QString AuxDirNotCopied = QStringLiteral("Verzeichnis %1\nkann nicht nach %2\nkopiert werden");
inline const QString BackingUp = QStringLiteral("Datenverzeichnisse werden gesichert.");
inline const QString Emptying = QStringLiteral("Datentabellen in Verzeichnis %1 werden gelöscht.");
inline const QString CreatingTables = QStringLiteral("Datenbanken werden angelegt.");
inline const QString DeleteBackups = QStringLiteral("Sicherungskopien der Datenbanken löschen?");
inline const QString Restoring = QStringLiteral("Datenverzeichnisse werden wiederhergestellt.");
inline const QString Migrating = QStringLiteral("Datenbanken werden an aktuelle Programm-Version angepasst.");
inline const QString UpdatingDir = QStringLiteral("Verzeichnis %1 wird aktualisiert.");
inline const QString ConnectionFailed = QStringLiteral("Datenbank %1 kann nicht in\nVerzeichnis %2\nerstellt werden!");
inline const QString AskAbort = QStringLiteral("Möchten Sie das Update abbrechen?");
inline const QString CarryingForms = QStringLiteral("Druckformular-Layouts werden aktualisiert.");
inline const QString TableCopyFailed =
    QStringLiteral("Fehler beim Datenbank-Update in Tabelle %1\nEs wurden %2 von %3 Sätzen kopiert.");
inline const QString TableOpenFailed = QStringLiteral("Beim Öffnen der Datei %1 ist ein Fehler aufgetreten!");
inline const QString StartupFailed = QStringLiteral("Datenbanken können nicht erzeugt/angepasst werden!");

// Our own additions: a kept backup copy and an interrupted upgrade whose copy is gone.
inline const QString TableLeftBehind =
    QStringLiteral("Tabelle %1 wird nicht übernommen; sie bleibt in %2 erhalten.");
inline const QString BackupKept = QStringLiteral("Die Sicherungskopie %1 wird aufbewahrt.");
inline const QString ResumingUpgrade = QStringLiteral("Die unterbrochene Aktualisierung wird wiederholt.");
inline const QString BackupMissing = QStringLiteral(
    "Die Aktualisierung der Datenbanken wurde unterbrochen,\naber die Sicherungskopie\n%1\nist nicht vorhanden.");

} // namespace tekvora::db::upgradetext
