#include "scanner/Csp2Link.h"

namespace tekvora::scanner {

using csp2::Opcode;

namespace {
// Nothing the scanner sends comes near this; a longer stream is noise.
constexpr qsizetype MaxReplyBytes = 1 << 20;
} // namespace

int Csp2Link::csp2Init(const QString &devicePath)
{
    m_deviceId.clear();
    m_packets.clear();
    m_port.setPortName(devicePath);
    if (!m_port.open(QIODevice::ReadWrite))
        return OpenFailed;
    // A pseudo-terminal ignores parity and refuses DTR; a real port takes both.
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::OddParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setDataTerminalReady(true);
    m_port.clearError();
    m_port.clear();

    QByteArray reply;
    const int result = transact(Opcode::Interrogate, {}, reply);
    if (result != Ok) {
        m_port.close();
        return result;
    }
    m_status = quint8(reply.at(3));
    m_deviceId = reply.mid(4, csp2::DeviceIdLength);
    return Ok;
}

int Csp2Link::csp2ReadData()
{
    m_packets.clear();
    QByteArray reply;
    const int result = transact(Opcode::GetBarcodes, {}, reply);
    if (result != Ok)
        return result;
    m_deviceId = reply.mid(2, csp2::DeviceIdLength);
    qsizetype pos = 2 + csp2::DeviceIdLength;
    for (int length = quint8(reply.at(pos)); length > 0; length = quint8(reply.at(pos))) {
        m_packets.append(reply.mid(pos, length + 1));
        pos += length + 1;
    }
    return int(m_packets.size());
}

QByteArray Csp2Link::csp2GetPacket(int index) const
{
    return m_packets.value(index);
}

QString Csp2Link::csp2GetCodeType(quint8 codeType)
{
    return codeType == csp2::SymbologyCode39 ? QStringLiteral("Code 39") : QStringLiteral("Code %1").arg(codeType);
}

QString Csp2Link::csp2TimeStamp2Str(const QByteArray &stamp)
{
    return csp2::timeStampText(stamp);
}

int Csp2Link::csp2ClearData()
{
    QByteArray reply;
    return transact(Opcode::ClearMemory, {}, reply);
}

std::optional<QByteArray> Csp2Link::csp2GetTime()
{
    QByteArray reply;
    if (transact(Opcode::GetClock, {}, reply) != Ok)
        return std::nullopt;
    return reply.mid(3, csp2::ClockLength);
}

int Csp2Link::csp2SetTime(const QByteArray &clock)
{
    QByteArray reply;
    return transact(Opcode::SetClock, clock, reply);
}

int Csp2Link::csp2Restore()
{
    m_port.close();
    return Ok;
}

int Csp2Link::transact(Opcode opcode, const QByteArray &payload, QByteArray &reply)
{
    if (!m_port.isOpen())
        return NotOpen;
    const QByteArray request = csp2::requestFrame(opcode, payload);
    for (int attempt = 0; attempt <= m_timing.crcRetries; ++attempt) {
        m_port.clear(QSerialPort::Input);
        m_port.write(request);
        m_port.waitForBytesWritten(m_timing.firstByteMs);
        QByteArray received;
        const int result = receive(opcode, received);
        if (result != Ok)
            return result;
        if (received.size() == 1 && received.at(0) == csp2::Nak)
            return Refused;
        if (received.size() < 5 || received.at(0) != csp2::Ack || received.at(1) != csp2::Stx)
            return Garbled;
        if (csp2::hasValidCrc(received)) {
            reply = received;
            return Ok;
        }
    }
    return BadCrc;
}

int Csp2Link::receive(Opcode opcode, QByteArray &received)
{
    int timeout = m_timing.firstByteMs;
    for (;;) {
        const int expected = csp2::replyLength(opcode, received);
        if (expected > 0 && received.size() >= expected) {
            received.truncate(expected);
            return Ok;
        }
        if (received.size() > MaxReplyBytes || (!received.isEmpty() && received.at(0) != csp2::Ack
                                                && received.at(0) != csp2::Nak))
            return Garbled;
        if (!m_port.waitForReadyRead(timeout))
            return received.isEmpty() ? NoReply : Incomplete;
        received += m_port.readAll();
        timeout = m_timing.gapMs;
    }
}

QString Csp2Link::linkErrorText(int result)
{
    switch (result) {
    case OpenFailed:
        return QStringLiteral("Die Schnittstelle des Scanners lässt sich nicht öffnen.");
    case NoReply:
        return QStringLiteral("Der Scanner antwortet nicht.");
    case BadCrc:
        return QStringLiteral("Die Antwort des Scanners ist gestört (Prüfsummenfehler).");
    case Incomplete:
        return QStringLiteral("Die Antwort des Scanners ist unvollständig.");
    case Refused:
        return QStringLiteral("Der Scanner hat die Anfrage abgelehnt.");
    case Garbled:
        return QStringLiteral("Die Antwort des Scanners ist unlesbar.");
    case NotOpen:
        return QStringLiteral("Die Verbindung zum Scanner ist nicht geöffnet.");
    default:
        return {};
    }
}

} // namespace tekvora::scanner
