#include "posting/ScanFileReader.h"

#include <QFile>
#include <QStringDecoder>

namespace tekvora::posting {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes stay as they are.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeLine(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

} // namespace

std::optional<QStringList> readScanFileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    QByteArrayView rest(content);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    QStringList lines;
    while (!rest.isEmpty()) {
        qsizetype end = rest.indexOf('\n');
        const qsizetype next = end < 0 ? rest.size() : end + 1;
        if (end < 0)
            end = rest.size();
        QByteArrayView line = rest.first(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << decodeLine(line);
        rest = rest.sliced(next);
    }
    return lines;
}

} // namespace tekvora::posting
