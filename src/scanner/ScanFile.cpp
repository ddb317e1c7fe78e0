#include "scanner/ScanFile.h"

#include <QDir>
#include <QSaveFile>

namespace tekvora::scanner {

QString scanFilePath(const QString &scanDir)
{
    return QDir(scanDir).filePath(QStringLiteral("Scanimp.txt"));
}

bool writeScanFile(const QString &path, const QList<QByteArray> &lines, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    for (const QByteArray &line : lines)
        file.write(line + "\r\n");
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

QString scanFileArchiveName(qint64 scannerId, const QDateTime &now)
{
    return QStringLiteral("Sc%1_%2.SOF").arg(scannerId).arg(now.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss")));
}

QByteArray scanLine(const QDateTime &time, const QByteArray &barcode)
{
    return time.toString(QStringLiteral("dd.MM.yyyy hh:mm")).toLatin1() + ' ' + barcode;
}

} // namespace tekvora::scanner
