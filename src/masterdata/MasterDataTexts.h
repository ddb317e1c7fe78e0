#pragma once

#include <QString>

namespace tekvora::masterdata::MasterDataTexts {

inline const QString ChangeSiteNumber = QStringLiteral("ACHTUNG!!!! Sie sind im Begriff, die Objektnummer zu ändern!\n"
                                                       "Beachten Sie bitte, dass durch die Änderung der Bezug\n"
                                                       "zu erledigten (abgelegten) Rechnungen und offenen Posten\n"
                                                       "verloren geht sowie der Datenaustausch mit externen Pro-\n"
                                                       "grammen möglicherweise nicht mehr korrekt ausgeführt werden\n"
                                                       "kann!\n\nMöchten Sie die Objektnummer wirklich ändern?");
inline const QString ChangeStaffNumber = QStringLiteral("Möchten Sie die Personalnummer wirklich ändern?");
inline const QString ChangeActivityNumber = QStringLiteral("Möchten Sie die Tätigkeitsnummer wirklich ändern?");

inline const QString SiteNumberTaken =
    QStringLiteral("Die Objektnummer %1 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.");
inline const QString StaffNumberTaken =
    QStringLiteral("Die Personalnummer %1 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.");
inline const QString ActivityNumberTaken =
    QStringLiteral("Die Tätigkeitsnummer %1 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.");

inline const QString DeleteSite = QStringLiteral("Objekt löschen?");
inline const QString DeleteStaff = QStringLiteral("Mitarbeiter löschen?");
inline const QString DeleteActivity = QStringLiteral("Tätigkeit löschen?");

inline const QString FillLongTexts = QStringLiteral("Leere Langtexte mit Kurztext vorbelegen?");

inline const QString TextTooLong = QStringLiteral("Der Text ist zu lang: das Feld %1 fasst höchstens %2 Zeichen.");
inline const QString NotANumber = QStringLiteral("\"%1\" ist keine gültige Zahl.");
inline const QString NotADate = QStringLiteral("\"%1\" ist kein gültiges Datum (TT.MM.JJJJ).");
inline const QString NotSaved = QStringLiteral("Der Datensatz kann nicht gespeichert werden.\n%1");
inline const QString NotDeleted = QStringLiteral("Der Datensatz kann nicht gelöscht werden.\n%1");
inline const QString ActivitiesNotCopied = QStringLiteral("Die Tätigkeiten können nicht kopiert werden.\n%1");
inline const QString NotCopied = QStringLiteral("Der Leistungssatz kann nicht kopiert werden.\n%1");

} // namespace tekvora::masterdata::MasterDataTexts
