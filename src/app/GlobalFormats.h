#pragma once

#include <QString>

namespace tekvora::app {

/// The program-wide formats for dates and times shown to people.
inline const QString kShortDateFormat = QStringLiteral("dd.MM.yyyy");
inline const QString kShortTimeFormat = QStringLiteral("hh:mm");
inline const QString kLongTimeFormat = QStringLiteral("hh:mm");

/// Makes German the default locale (dd.MM.yyyy dates, hh:mm times, comma decimals), so default
/// conversions of the platform follow the formats above.
void applyGlobalFormats();

} // namespace tekvora::app
