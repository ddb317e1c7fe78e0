#include "scanner/ScannerOperations.h"

#include "app/UserPrompt.h"
#include "platform/SerialPortMap.h"
#include "scanner/Csp2Link.h"
#include "scanner/ScanFile.h"
#include "scanner/ScanTime.h"
#include "scanner/ScannerId.h"
#include "scanner/ScannerMonitor.h"
#include "scanner/ScannerPort.h"
#include "scanner/ScannerRegister.h"
#include "scanner/ScannerTexts.h"

#include <QFile>

namespace tekvora::scanner {

namespace {

constexpr int LongestPacket = 101;
constexpr int ShortestPacket = 6;

/// Closes an opened connection on every path.
class OpenLink
{
public:
    explicit OpenLink(Csp2Link &link) : m_link(link) {}
    ~OpenLink() { m_link.csp2Restore(); }
    OpenLink(const OpenLink &) = delete;
    OpenLink &operator=(const OpenLink &) = delete;

private:
    Csp2Link &m_link;
};

QString withReason(const QString &message, int result)
{
    const QString reason = Csp2Link::linkErrorText(result);
    return reason.isEmpty() ? message : message + QLatin1Char('\r') + reason;
}

} // namespace

ScannerOperations::ScannerOperations(Csp2Link &link, ScannerRegister &scanners, app::UserPrompt &prompt,
                                     ScannerMonitor &monitor)
    : m_link(link), m_scanners(scanners), m_prompt(prompt), m_monitor(monitor)
{
}

std::optional<QString> ScannerOperations::openLink(const ScannerSetup &setup)
{
    const QStringList ports = setup.detectPorts ? setup.detectPorts() : platform::detectSerialPorts();
    const auto device = scannerDevicePath(setup.portField, ports, m_prompt);
    if (!device)
        return std::nullopt;
    const int result = m_link.csp2Init(*device);
    if (result != 0) {
        m_prompt.error(withReason(texts::InitError + QString::number(result), result));
        return std::nullopt;
    }
    return device;
}

bool ScannerOperations::openLinkWithEmptyLabels(const ScannerSetup &setup)
{
    m_monitor.showBarcodeCount(QString());
    m_monitor.showDeviceId(QString());
    return openLink(setup).has_value();
}

int ScannerOperations::readData()
{
    const int count = m_link.csp2ReadData();
    m_monitor.showBarcodeCount(QString::number(count));
    m_monitor.showDeviceId(deviceIdText(m_link.csp2GetDeviceId()));
    return count;
}

void ScannerOperations::reportReadError(int result)
{
    m_prompt.error(withReason(texts::ReadDataError + QString::number(result), result));
}

std::optional<QDateTime> ScannerOperations::syncClock()
{
    const QDateTime now = m_now();
    const auto bytes = csp2::clockBytes(now);
    if (!bytes) {
        m_prompt.error(texts::ClockRange.arg(now.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))));
        return std::nullopt;
    }
    const int result = m_link.csp2SetTime(*bytes);
    const auto readBack = result == 0 ? m_link.csp2GetTime() : std::nullopt;
    if (!readBack) {
        m_prompt.error(withReason(texts::Error, result != 0 ? result : int(Csp2Link::NoReply)));
        return std::nullopt;
    }
    const QDateTime time = csp2::clockTime(*readBack);
    m_monitor.showClock(clockDisplayText(time));
    return time;
}

bool ScannerOperations::readScanner(const ScannerSetup &setup, const ReadOptions &options)
{
    m_monitor.clearListing();
    // An unprocessed scan file must never be overwritten.
    if (QFile::exists(setup.scanFile)) {
        m_prompt.error(texts::ScanFileExists.arg(setup.scanFile));
        return false;
    }
    if (!openLink(setup))
        return false;
    bool written = false;
    {
        OpenLink open(m_link);
        const int count = readData();
        const QString idText = deviceIdText(m_link.csp2GetDeviceId());
        const QByteArray idLine = "SC_ID:" + idText.toLatin1();
        QList<QByteArray> lines{idLine};
        m_monitor.addListingLine(QString::fromLatin1(idLine));
        const auto clock = m_link.csp2GetTime();
        m_monitor.showClock(clock ? clockDisplayText(csp2::clockTime(*clock)) : QString());

        const qint64 scannerId = scannerIdOf(idText);
        QString error;
        if (!m_scanners.isRegistered(scannerId, error)) {
            m_prompt.error(error.isEmpty() ? texts::NotRegistered + QString::number(scannerId)
                                           : texts::Error + QLatin1Char(' ') + error);
            return false;
        }
        // A link error is no empty scanner: say so and leave the scanner alone.
        if (count < 0) {
            reportReadError(count);
            return false;
        }
        for (int index = 0; index < count; ++index) {
            const QByteArray packet = m_link.csp2GetPacket(index);
            if (packet.size() > LongestPacket || packet.size() < ShortestPacket)
                continue;
            const QDateTime time = parseTimeStampText(Csp2Link::csp2TimeStamp2Str(packet.right(4)));
            const QByteArray line = scanLine(time, packet.mid(2, packet.size() - ShortestPacket));
            lines << line;
            m_monitor.addListingLine(QString::fromLatin1(line));
        }
        if (count == 0) {
            m_prompt.inform(texts::NoBarcodes);
        } else if (!writeScanFile(setup.scanFile, lines, error)) {
            m_prompt.error(texts::Error + QLatin1Char(' ') + error);
        } else {
            written = QFile::exists(setup.scanFile);
            if (written && !m_scanners.markRead(scannerId, m_now(), error))
                m_prompt.error(texts::UpdateFailed + error);
        }
        if (options.syncClock) {
            if (const auto time = syncClock()) {
                m_monitor.addListingLine(texts::ClockSynced);
                m_monitor.addListingLine(texts::ClockSetLinePrefix + clockDisplayText(*time)
                                         + texts::ClockSetLineSuffix);
            }
        }
    }
    if (written && options.clearAfterRead && clearMemory(setup))
        m_monitor.addListingLine(texts::MemoryClearedLine);
    return written;
}

bool ScannerOperations::clearMemory(const ScannerSetup &setup)
{
    if (!openLinkWithEmptyLabels(setup))
        return false;
    OpenLink open(m_link);
    const int count = readData();
    if (count < 0) {
        reportReadError(count);
        return false;
    }
    if (count == 0) {
        m_prompt.error(texts::NothingStored);
        return false;
    }
    const int cleared = m_link.csp2ClearData();
    if (readData() != 0) {
        m_prompt.error(texts::ClearFailedPrefix + QString::number(cleared) + texts::ClearFailedSuffix);
        return false;
    }
    m_prompt.inform(texts::MemoryCleared);
    return true;
}

bool ScannerOperations::setClock(const ScannerSetup &setup)
{
    if (!openLinkWithEmptyLabels(setup))
        return false;
    OpenLink open(m_link);
    const int count = readData();
    if (count < 0) {
        reportReadError(count);
        return false;
    }
    const auto time = syncClock();
    if (!time)
        return false;
    m_prompt.inform(texts::ClockSetPrefix + clockDisplayText(*time) + texts::ClockSetSuffix);
    return true;
}

bool discardScanFile(const QString &scanFile, app::UserPrompt &prompt)
{
    if (!prompt.confirm(texts::ConfirmDiscard))
        return false;
    if (QFile::exists(scanFile) && !QFile::remove(scanFile)) {
        prompt.error(texts::DiscardFailed.arg(scanFile));
        return false;
    }
    return true;
}

} // namespace tekvora::scanner
