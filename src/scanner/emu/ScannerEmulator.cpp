#include "scanner/emu/ScannerEmulator.h"

#include <QFile>
#include <QTextStream>

namespace tekvora::scanner::emu {

using csp2::Opcode;

namespace {

constexpr char ProtocolVersion = 0x01;
const QByteArray Firmware = QByteArrayLiteral("RBBV0216");
constexpr int SlowDelayMs = 4000;

} // namespace

std::optional<Fault> faultFromName(const QString &name)
{
    static const QList<std::pair<QString, Fault>> names{
        {QStringLiteral("none"), Fault::None},   {QStringLiteral("silent"), Fault::Silent},
        {QStringLiteral("crc"), Fault::Crc},     {QStringLiteral("short"), Fault::Short},
        {QStringLiteral("slow"), Fault::Slow},   {QStringLiteral("negative"), Fault::Negative},
    };
    for (const auto &[text, fault] : names)
        if (text == name)
            return fault;
    return std::nullopt;
}

ScannerEmulator::ScannerEmulator()
    : m_deviceId(QByteArray::fromHex("0000000012345678")), m_clockSet(QDateTime::currentDateTime())
{
    m_sinceSet.start();
}

QByteArray ScannerEmulator::feed(const QByteArray &bytes)
{
    std::lock_guard lock(m_mutex);
    m_pending += bytes;
    QByteArray replies;
    for (;;) {
        const int length = csp2::requestLength(m_pending);
        if (length < 0 || m_pending.size() < length)
            break;
        const QByteArray request = m_pending.left(length);
        m_pending.remove(0, length);
        if (csp2::hasValidCrc(request))
            replies += answer(request);
        else
            m_pending.clear(); // out of step: start afresh with the next request
    }
    return replies;
}

int ScannerEmulator::replyDelayMs() const
{
    std::lock_guard lock(m_mutex);
    return m_fault == Fault::Slow ? SlowDelayMs : 0;
}

QByteArray ScannerEmulator::answer(const QByteArray &request)
{
    const auto opcode = Opcode(quint8(request.at(0)));
    if (m_fault == Fault::Silent)
        return {};
    if (m_fault == Fault::Negative && opcode != Opcode::Interrogate)
        return QByteArray(1, csp2::Nak);

    QByteArray reply;
    switch (opcode) {
    case Opcode::Interrogate:
        reply = replyFrame(QByteArray(1, ProtocolVersion) + char(m_batteryLow ? csp2::StatusBatteryLow : csp2::StatusOk)
                           + m_deviceId + Firmware + '\0');
        break;
    case Opcode::ClearMemory:
    case Opcode::PowerDown:
        reply = replyFrame(QByteArray(1, '\0'));
        break;
    case Opcode::GetBarcodes:
        reply = barcodeReply();
        break;
    case Opcode::SetClock: {
        const QByteArray bytes = request.mid(3, csp2::ClockLength);
        const QDateTime time = csp2::clockTime(bytes);
        if (request.size() != 3 + csp2::ClockLength + 3 || !time.isValid())
            return QByteArray(1, csp2::Nak);
        reply = replyFrame(char(csp2::ClockLength) + bytes + '\0');
        break;
    }
    case Opcode::GetClock:
        reply = replyFrame(char(csp2::ClockLength) + csp2::clockBytes(clockLocked()).value_or(QByteArray(6, '\0'))
                           + '\0');
        break;
    default:
        return QByteArray(1, csp2::Nak);
    }

    switch (m_fault) {
    case Fault::Crc:
        reply.back() = char(reply.back() ^ 0x5A);
        break;
    case Fault::Short:
        reply.truncate(reply.size() / 2);
        return reply;
    default:
        break;
    }
    // Only a reply the link can accept may change the scanner's state.
    if (m_fault == Fault::None) {
        if (opcode == Opcode::ClearMemory)
            m_barcodes.clear();
        if (opcode == Opcode::SetClock) {
            m_clockSet = csp2::clockTime(request.mid(3, csp2::ClockLength));
            m_sinceSet.start();
        }
    }
    return reply;
}

QByteArray ScannerEmulator::replyFrame(const QByteArray &body) const
{
    QByteArray frame;
    frame.append(csp2::Ack);
    frame.append(csp2::Stx);
    frame.append(body);
    csp2::appendCrc(frame);
    return frame;
}

QByteArray ScannerEmulator::barcodeReply() const
{
    QByteArray body = m_deviceId;
    for (const StoredBarcode &barcode : m_barcodes) {
        const QByteArray code = barcode.code.left(250);
        body.append(char(code.size() + 5));
        body.append(char(csp2::SymbologyCode39));
        body.append(code);
        body.append(csp2::packTimeStamp(barcode.time));
    }
    body.append('\0');
    return replyFrame(body);
}

QDateTime ScannerEmulator::clockLocked() const
{
    return m_clockSet.addMSecs(m_sinceSet.elapsed());
}

void ScannerEmulator::setDeviceId(const QByteArray &id)
{
    std::lock_guard lock(m_mutex);
    m_deviceId = id.leftJustified(csp2::DeviceIdLength, '\0', true);
}

QByteArray ScannerEmulator::deviceId() const
{
    std::lock_guard lock(m_mutex);
    return m_deviceId;
}

void ScannerEmulator::setClock(const QDateTime &time)
{
    std::lock_guard lock(m_mutex);
    m_clockSet = time;
    m_sinceSet.start();
}

QDateTime ScannerEmulator::clock() const
{
    std::lock_guard lock(m_mutex);
    return clockLocked();
}

void ScannerEmulator::setBatteryLow(bool low)
{
    std::lock_guard lock(m_mutex);
    m_batteryLow = low;
}

void ScannerEmulator::setFault(Fault fault)
{
    std::lock_guard lock(m_mutex);
    m_fault = fault;
}

void ScannerEmulator::addBarcode(const QDateTime &time, const QByteArray &code)
{
    std::lock_guard lock(m_mutex);
    m_barcodes.append({time, code});
}

QList<StoredBarcode> ScannerEmulator::barcodes() const
{
    std::lock_guard lock(m_mutex);
    return m_barcodes;
}

bool ScannerEmulator::loadBarcodes(const QString &path, QString &message)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message = QStringLiteral("Kann Datei %1 nicht lesen!").arg(path);
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QDateTime time =
            QDateTime::fromString(QString::fromLatin1(line.left(19)), QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        const QByteArray code = line.mid(20);
        if (!time.isValid() || line.size() < 21 || line.at(19) != ' ') {
            message = QStringLiteral("Zeile %1 von %2 ist keine Zeile \"tt.mm.jjjj hh:mm:ss BARCODE\".")
                          .arg(lineNumber)
                          .arg(path);
            return false;
        }
        addBarcode(time, code);
    }
    return true;
}

} // namespace tekvora::scanner::emu
