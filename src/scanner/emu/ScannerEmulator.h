#pragma once

#include "scanner/Csp2Protocol.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <mutex>
#include <optional>

namespace tekvora::scanner::emu {

/// What an emulated scanner can be told to do wrong.
enum class Fault {
    None,
    Silent,   ///< never answers
    Crc,      ///< every reply carries a wrong CRC
    Short,    ///< every reply stops half-way
    Slow,     ///< answers only after the link has given up
    Negative, ///< refuses everything but the interrogation
};

std::optional<Fault> faultFromName(const QString &name);

struct StoredBarcode
{
    QDateTime time;
    QByteArray code;
};

/// An OPN-2001 as the link sees it: answers request bytes with reply bytes. Thread-safe, so a test
/// can look at its memory while a pseudo-terminal thread serves it.
class ScannerEmulator
{
public:
    ScannerEmulator();

    /// Takes bytes from the line; returns the replies to every request completed by them.
    QByteArray feed(const QByteArray &bytes);
    /// How long to hold back each reply.
    int replyDelayMs() const;

    void setDeviceId(const QByteArray &id);
    QByteArray deviceId() const;
    void setClock(const QDateTime &time);
    QDateTime clock() const;
    void setBatteryLow(bool low);
    void setFault(Fault fault);
    void addBarcode(const QDateTime &time, const QByteArray &code);
    QList<StoredBarcode> barcodes() const;

    /// Loads "dd.mm.yyyy hh:mm:ss BARCODE" lines; false with a German message on a bad line.
    bool loadBarcodes(const QString &path, QString &message);

private:
    QByteArray answer(const QByteArray &request);
    QByteArray replyFrame(const QByteArray &body) const;
    QByteArray barcodeReply() const;
    QDateTime clockLocked() const;

    mutable std::mutex m_mutex;
    QByteArray m_pending;
    QByteArray m_deviceId;
    QDateTime m_clockSet;
    QElapsedTimer m_sinceSet;
    bool m_batteryLow = false;
    Fault m_fault = Fault::None;
    QList<StoredBarcode> m_barcodes;
};

} // namespace tekvora::scanner::emu
