#pragma once

#include <QLocale>
#include <QString>

namespace tekvora::app {

/// The locale of every number and date shown to people: German, whatever the machine is set to.
const QLocale &germanLocale();

/// Decimal text right-aligned with blanks to at least width characters.
QString intText(qint64 value, int width);
/// Decimal text with leading zeros to at least width characters; never cut ("0001").
QString intZeros(qint64 value, int width);
/// Decimal text with "." between groups of three digits, right-aligned with blanks to width.
QString intThousands(qint64 value, int width);
/// x with exactly decimals digits after a "." point, right-aligned to width; width 0 gives the plain text.
QString fixedText(int width, int decimals, double x);
/// As fixedText, with the German decimal comma.
QString localText(int width, int decimals, double x);

/// The trimmed text as a decimal integer; fallback when it is no valid number.
int textToInt(const QString &text, int fallback = 0);
/// The trimmed text as a number, accepting a decimal comma; 0 when it is no valid number.
double textToFloat(const QString &text);

/// Cut to width characters and filled with blanks behind.
QString leftJustified(const QString &text, int width);
/// Cut to width characters and filled with blanks in front.
QString rightJustified(const QString &text, int width);
/// Without leading and trailing blanks and control characters.
QString trimmedText(const QString &text);

/// Rounded to two decimals, halves away from zero.
double centsValue(double x);
/// "J" or "N".
QString yesNoLetter(bool flag);

} // namespace tekvora::app
