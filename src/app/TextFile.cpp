#include "app/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace tekvora::app {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0 && kHighControls[code - 0x80] != 0)
            text += QChar(kHighControls[code - 0x80]);
        else
            text += QChar(code);
    }
    return text;
}

// One line without its end; the rest of an over-long line is skipped, not returned as a next line.
std::optional<QByteArray> readCappedLine(QFile &file, int maxBytes)
{
    if (file.atEnd())
        return std::nullopt;
    QByteArray line = file.readLine(maxBytes + 1);
    bool ended = line.endsWith('\n');
    while (!ended && !file.atEnd()) {
        const QByteArray rest = file.readLine(64 * 1024);
        if (rest.isEmpty())
            break;
        ended = rest.endsWith('\n');
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeWindows1252(bytes);
}

QByteArray encodeWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        const auto found = std::find(kHighControls.begin(), kHighControls.end(), code);
        bytes += found != kHighControls.end() && code != 0 ? static_cast<char>(0x80 + (found - kHighControls.begin()))
                                                           : '?';
    }
    return bytes;
}

std::optional<QStringList> readTextLines(const QString &path, int maxLines, int maxLineLength)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines;
    // A UTF-8 character takes up to 4 bytes; the cut to characters follows the decoding.
    while (lines.size() < maxLines) {
        const std::optional<QByteArray> line = readCappedLine(file, maxLineLength * 4);
        if (!line)
            break;
        lines << decodeText(*line).left(maxLineLength);
    }
    return lines;
}

bool writeTextLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(encodeWindows1252(line) + "\r\n");
    return file.commit();
}

} // namespace tekvora::app
