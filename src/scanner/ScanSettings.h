#pragma once

#include <QString>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::scanner {

/// "Scandata.ini" of the scanner directory.
struct ScanSettings
{
    QString port = QStringLiteral("4");              ///< "SCANPORT": n-th detected port, or a device path
    QString standardSite = QStringLiteral("999999"); ///< "STOBJEKT"
    QString standardPerson = QStringLiteral("9999"); ///< "STPERSON"
};

QString scanSettingsPath(const QString &scanDir);

/// Reads the file, creating it with the defaults when missing. An empty port reads as "3"; empty
/// standard numbers keep the values of `current`. Failures are told through `prompt`; the result
/// then holds `current` with the port default.
ScanSettings loadScanSettings(const QString &path, const ScanSettings &current, app::UserPrompt &prompt);

/// Writes the three lines back; false after telling the failure.
bool saveScanSettings(const QString &path, const ScanSettings &settings, app::UserPrompt &prompt);

} // namespace tekvora::scanner
