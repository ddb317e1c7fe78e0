#include "scanner/ScanSettings.h"

#include "app/UserPrompt.h"
#include "scanner/ScannerTexts.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tekvora::scanner {

namespace {

QByteArray settingsText(const ScanSettings &settings)
{
    return "SCANPORT=" + settings.port.toUtf8() + "\r\nSTOBJEKT=" + settings.standardSite.toUtf8()
           + "\r\nSTPERSON=" + settings.standardPerson.toUtf8() + "\r\n";
}

bool writeSettings(const QString &path, const ScanSettings &settings)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(settingsText(settings)) >= 0 && file.commit();
}

} // namespace

QString scanSettingsPath(const QString &scanDir)
{
    return QDir(scanDir).filePath(QStringLiteral("Scandata.ini"));
}

ScanSettings loadScanSettings(const QString &path, const ScanSettings &current, app::UserPrompt &prompt)
{
    if (!QFile::exists(path) && !writeSettings(path, ScanSettings{})) {
        prompt.error(texts::IniCreateFailed.arg(QDir::toNativeSeparators(path)));
    }
    ScanSettings result = current;
    result.port = QStringLiteral("3");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompt.error(texts::IniReadFailed.arg(QDir::toNativeSeparators(path)));
        return result;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toUpper();
        const QString value = line.mid(eq + 1).trimmed();
        if (value.isEmpty())
            continue;
        if (key == QLatin1String("SCANPORT"))
            result.port = value;
        else if (key == QLatin1String("STOBJEKT"))
            result.standardSite = value;
        else if (key == QLatin1String("STPERSON"))
            result.standardPerson = value;
    }
    return result;
}

bool saveScanSettings(const QString &path, const ScanSettings &settings, app::UserPrompt &prompt)
{
    if (writeSettings(path, settings))
        return true;
    prompt.error(texts::IniWriteFailed.arg(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace tekvora::scanner
