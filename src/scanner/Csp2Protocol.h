#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

/// Wire facts of the OPN-2001 link, shared by the link and the emulator.
namespace tekvora::scanner::csp2 {

enum class Opcode : quint8 {
    Interrogate = 0x01,
    ClearMemory = 0x02,
    PowerDown = 0x05,
    GetBarcodes = 0x07,
    SetClock = 0x09,
    GetClock = 0x0A,
};

constexpr char Ack = 0x06;
constexpr char Stx = 0x02;
/// A refused request is answered with this one byte instead of a reply frame.
constexpr char Nak = 0x15;

constexpr int DeviceIdLength = 8;
constexpr int ClockLength = 6;
constexpr int InterrogateReplyLength = 23;
constexpr int ClearReplyLength = 5;
constexpr int ClockReplyLength = 12;
constexpr quint8 StatusOk = 0;
constexpr quint8 StatusBatteryLow = 22;
constexpr quint8 SymbologyCode39 = 0x01;

quint16 crc16(const QByteArray &bytes);
/// Appends the CRC of everything in `frame`, high byte first.
void appendCrc(QByteArray &frame);
/// True when the last two bytes are the CRC of the ones before.
bool hasValidCrc(const QByteArray &frame);

QByteArray requestFrame(Opcode opcode, const QByteArray &payload = {});
/// Length of the request that starts `received`, or -1 while its length byte has not arrived.
int requestLength(const QByteArray &received);

/// Total length of the reply to `opcode` that starts `received`, or -1 while that cannot be told yet.
/// A NAK is one byte long.
int replyLength(Opcode opcode, const QByteArray &received);

/// The 6 clock bytes (second, minute, hour, day, month, year - 2000); nothing when the year lies
/// outside 2000..2255.
std::optional<QByteArray> clockBytes(const QDateTime &time);
/// The date-time of 6 clock bytes; invalid when they do not form one.
QDateTime clockTime(const QByteArray &bytes);

/// The packed 32-bit time stamp of a barcode record, big-endian.
QByteArray packTimeStamp(const QDateTime &time);
/// "hh:mm:ss AM mm/dd/yy", as the vendor library formats a record's time stamp.
QString timeStampText(const QByteArray &stamp);

} // namespace tekvora::scanner::csp2
