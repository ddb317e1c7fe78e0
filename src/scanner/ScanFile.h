#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace tekvora::scanner {

/// "Scanimp.txt" in the scanner directory.
QString scanFilePath(const QString &scanDir);

/// Writes the lines with CR LF, replacing the file only once all of it is on disk.
/// False with the reason in `error`.
bool writeScanFile(const QString &path, const QList<QByteArray> &lines, QString &error);

/// The name a processed scan file is kept under: "Sc" + scanner id + "_yyyy-mm-dd_hh-nn-ss.SOF".
QString scanFileArchiveName(qint64 scannerId, const QDateTime &now);

/// One scan line: "dd.mm.yyyy hh:mm BARCODE", the barcode bytes exactly as read.
QByteArray scanLine(const QDateTime &time, const QByteArray &barcode);

} // namespace tekvora::scanner
