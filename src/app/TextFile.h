#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tekvora::app {

/// Text from a file: UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252.
QString decodeText(const QByteArray &bytes);
/// Windows-1252 bytes; characters it cannot hold become "?".
QByteArray encodeWindows1252(const QString &text);

/// The first `maxLines` lines of a text file (CR LF or LF), each cut to `maxLineLength`
/// characters, without line ends. nullopt when the file cannot be opened. Reads no more of
/// the file than those lines, so a huge or binary file costs little.
std::optional<QStringList> readTextLines(const QString &path, int maxLines, int maxLineLength = 255);

/// Rewrites the file with the lines in Windows-1252 and CR LF, replacing it only once all was written.
bool writeTextLines(const QString &path, const QStringList &lines);

} // namespace tekvora::app
