#pragma once

#include <QString>

namespace tekvora::app {

/// Two upper-case hex digits.
QString byteHex(quint8 byte);
/// Two hex digits per character (Latin-1; other characters count as "?").
QString textHex(const QString &text);
/// Every two hex digits become one Latin-1 character; a bad digit counts as 0, an odd last digit is dropped.
QString hexText(const QString &hex);

} // namespace tekvora::app
