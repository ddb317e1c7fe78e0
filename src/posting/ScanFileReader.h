#pragma once

#include <QStringList>

#include <optional>

namespace tekvora::posting {

/// The lines of a scan file, CR LF or LF. Each line is read as UTF-8 when it is valid UTF-8 and
/// as Windows-1252 otherwise, so any byte sequence gives the same text every time it is read.
/// nullopt when the file cannot be read.
std::optional<QStringList> readScanFileLines(const QString &path);

} // namespace tekvora::posting
