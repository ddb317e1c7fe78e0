#pragma once

#include <QString>

namespace tekvora::stats::StatsTexts {

// Questions of the statistics windows, as the user sees them.
inline const QString DeleteRecord = QStringLiteral("Datensatz löschen?");
inline const QString DeleteZeroEntries = QStringLiteral("Alle Einträge mit Dauer=0.0 Std löschen?");
inline const QString DeleteLongVisits = QStringLiteral("Alle Einträge mit Dauer>10.0 Std löschen?");
inline const QString EmptyTables = QStringLiteral("Alle Datentabellen leeren?");

} // namespace tekvora::stats::StatsTexts
