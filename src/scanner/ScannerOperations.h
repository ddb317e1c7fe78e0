#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::scanner {

class Csp2Link;
class ScannerMonitor;
class ScannerRegister;

/// Where the scanner is and where its barcodes go.
struct ScannerSetup
{
    QString portField;
    QString scanFile;
    std::function<QStringList()> detectPorts;
};

struct ReadOptions
{
    bool syncClock = true;        ///< "Automatisch Zeitsynchronisation durchführen"
    bool clearAfterRead = true;   ///< "Scannerspeicher nach Auslesen löschen"
};

/// "Scanner lesen", "Scannerspeicher löschen" and "Scanner-Uhrzeit setzen", each opening and closing its own connection. Messages go to the prompt, labels and listing to the monitor.
class ScannerOperations
{
public:
    ScannerOperations(Csp2Link &link, ScannerRegister &scanners, app::UserPrompt &prompt, ScannerMonitor &monitor);

    /// The computer's clock; tests set their own.
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

    /// True when the scan file was written.
    bool readScanner(const ScannerSetup &setup, const ReadOptions &options = {});
    /// True when the memory was cleared.
    bool clearMemory(const ScannerSetup &setup);
    /// True when the clock was set.
    bool setClock(const ScannerSetup &setup);

private:
    std::optional<QString> openLink(const ScannerSetup &setup);
    /// Empties the count and id labels before a command talks to the scanner, then opens the link.
    bool openLinkWithEmptyLabels(const ScannerSetup &setup);
    int readData();
    void reportReadError(int result);
    std::optional<QDateTime> syncClock();

    Csp2Link &m_link;
    ScannerRegister &m_scanners;
    app::UserPrompt &m_prompt;
    ScannerMonitor &m_monitor;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
};

/// "Importdatei verwerfen": asks first; true when the file is gone.
bool discardScanFile(const QString &scanFile, app::UserPrompt &prompt);

} // namespace tekvora::scanner
