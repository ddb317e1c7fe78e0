#include "scanner/Csp2Protocol.h"

namespace tekvora::scanner::csp2 {

quint16 crc16(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return quint16(~crc);
}

void appendCrc(QByteArray &frame)
{
    const quint16 crc = crc16(frame);
    frame.append(char(crc >> 8));
    frame.append(char(crc & 0xFF));
}

bool hasValidCrc(const QByteArray &frame)
{
    if (frame.size() < 3)
        return false;
    const quint16 crc = crc16(frame.left(frame.size() - 2));
    return quint8(frame.at(frame.size() - 2)) == (crc >> 8) && quint8(frame.at(frame.size() - 1)) == (crc & 0xFF);
}

QByteArray requestFrame(Opcode opcode, const QByteArray &payload)
{
    QByteArray frame;
    frame.append(char(opcode));
    frame.append(Stx);
    frame.append(char(payload.size() & 0x1F));
    frame.append(payload);
    if (!payload.isEmpty())
        frame.append('\0');
    appendCrc(frame);
    return frame;
}

int requestLength(const QByteArray &received)
{
    if (received.size() < 3)
        return -1;
    const int payload = quint8(received.at(2)) & 0x1F;
    return 3 + payload + (payload > 0 ? 1 : 0) + 2;
}

namespace {

// Header, device id, records up to the zero length byte, CRC.
int barcodeReplyLength(const QByteArray &received)
{
    qsizetype pos = 2 + DeviceIdLength;
    while (pos < received.size()) {
        const int length = quint8(received.at(pos));
        if (length == 0)
            return int(pos + 1 + 2);
        pos += 1 + length;
    }
    return -1;
}

} // namespace

int replyLength(Opcode opcode, const QByteArray &received)
{
    if (received.isEmpty())
        return -1;
    if (received.at(0) == Nak)
        return 1;
    switch (opcode) {
    case Opcode::Interrogate:
        return InterrogateReplyLength;
    case Opcode::ClearMemory:
    case Opcode::PowerDown:
        return ClearReplyLength;
    case Opcode::SetClock:
    case Opcode::GetClock:
        return ClockReplyLength;
    case Opcode::GetBarcodes:
        return barcodeReplyLength(received);
    }
    return -1;
}

std::optional<QByteArray> clockBytes(const QDateTime &time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    if (!date.isValid() || !clock.isValid() || date.year() < 2000 || date.year() > 2255)
        return std::nullopt;
    QByteArray bytes;
    bytes.append(char(clock.second()));
    bytes.append(char(clock.minute()));
    bytes.append(char(clock.hour()));
    bytes.append(char(date.day()));
    bytes.append(char(date.month()));
    bytes.append(char(date.year() - 2000));
    return bytes;
}

QDateTime clockTime(const QByteArray &bytes)
{
    if (bytes.size() != ClockLength)
        return {};
    const auto at = [&](int i) { return int(quint8(bytes.at(i))); };
    const QDate date(at(5) + 2000, at(4), at(3));
    const QTime clock(at(2), at(1), at(0));
    if (!date.isValid() || !clock.isValid())
        return {};
    return QDateTime(date, clock);
}

QByteArray packTimeStamp(const QDateTime &time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    const quint32 value = quint32(qBound(0, date.year() - 2000, 63)) | quint32(date.month()) << 6
                          | quint32(date.day()) << 10 | quint32(clock.hour()) << 15 | quint32(clock.minute()) << 20
                          | quint32(clock.second()) << 26;
    QByteArray stamp;
    for (int shift = 24; shift >= 0; shift -= 8)
        stamp.append(char((value >> shift) & 0xFF));
    return stamp;
}

QString timeStampText(const QByteArray &stamp)
{
    if (stamp.size() != 4)
        return {};
    quint32 value = 0;
    for (const char byte : stamp)
        value = value << 8 | quint8(byte);
    const int year = value & 0x3F;
    const int month = (value >> 6) & 0x0F;
    const int day = (value >> 10) & 0x1F;
    const int hour = (value >> 15) & 0x1F;
    const int minute = (value >> 20) & 0x3F;
    const int second = (value >> 26) & 0x3F;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return QString::asprintf("%02d:%02d:%02d %s %02d/%02d/%02d", hour12, minute, second, hour < 12 ? "AM" : "PM",
                             month, day, year);
}

} // namespace tekvora::scanner::csp2
