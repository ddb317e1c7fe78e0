#pragma once

#include "scanner/Csp2Protocol.h"

#include <QByteArray>
#include <QList>
#include <QSerialPort>
#include <QString>

#include <optional>

namespace tekvora::scanner {

/// The ten operations of the OPN-2001 communication library over the scanner's serial link.
/// Every read has a time-out; replies with a bad CRC are asked for again a few times.
class Csp2Link
{
public:
    /// Results below 0 are link errors; linkErrorText() names them.
    enum Result : int {
        Ok = 0,
        OpenFailed = -1,
        NoReply = -2,
        BadCrc = -3,
        Incomplete = -4,
        Refused = -5,
        Garbled = -6,
        NotOpen = -7,
    };

    struct Timing
    {
        int firstByteMs = 1500; ///< wait for the start of a reply
        int gapMs = 500;        ///< longest pause inside a reply
        int crcRetries = 3;
    };

    Csp2Link() = default;
    explicit Csp2Link(Timing timing) : m_timing(timing) {}

    /// Opens the device and interrogates the scanner: 0, or a negative result.
    int csp2Init(const QString &devicePath);
    /// Fetches the stored records: their count, or a negative result.
    int csp2ReadData();
    QByteArray csp2GetDeviceId() const { return m_deviceId; }
    /// Record `index` as length byte, code type, barcode characters and 4 time-stamp bytes.
    QByteArray csp2GetPacket(int index) const;
    static QString csp2GetCodeType(quint8 codeType);
    /// "hh:mm:ss AM mm/dd/yy" of a record's 4 time-stamp bytes.
    static QString csp2TimeStamp2Str(const QByteArray &stamp);
    int csp2ClearData();
    /// The 6 clock bytes (second, minute, hour, day, month, year - 2000), or nothing on a link error.
    std::optional<QByteArray> csp2GetTime();
    int csp2SetTime(const QByteArray &clock);
    int csp2Restore();

    /// The scanner's status byte from the last interrogation (22 = battery low).
    quint8 status() const { return m_status; }
    static QString linkErrorText(int result);

private:
    int transact(csp2::Opcode opcode, const QByteArray &payload, QByteArray &reply);
    int receive(csp2::Opcode opcode, QByteArray &received);

    Timing m_timing;
    QSerialPort m_port;
    QByteArray m_deviceId;
    QList<QByteArray> m_packets;
    quint8 m_status = 0;
};

} // namespace tekvora::scanner
