#include "posting/ScanLine.h"

namespace tekvora::posting {

namespace {

/// The value of `count` decimal digits at `from`, or -1.
int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

ScanMinute parseScanTime(QStringView text)
{
    if (text.size() < 16 || text[2] != QLatin1Char('.') || text[5] != QLatin1Char('.')
        || text[10] != QLatin1Char(' ') || text[13] != QLatin1Char(':'))
        return 0;
    const int day = digitsAt(text, 0, 2);
    const int month = digitsAt(text, 3, 2);
    const int year = digitsAt(text, 6, 4);
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    if (day < 0 || month < 0 || year < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return 0;
    return toScanMinute(QDate(year, month, day), hour, minute);
}

} // namespace

ScanLine parseScanLine(QStringView line)
{
    ScanLine scan;
    scan.time = parseScanTime(line);
    if (line.size() >= 19)
        scan.kind = kindCodeNumber(line.mid(17, 2));
    if (line.size() > 19) {
        bool ok = false;
        const int number = line.mid(19).trimmed().toInt(&ok);
        scan.number = ok ? number : 0;
    }
    return scan;
}

} // namespace tekvora::posting
