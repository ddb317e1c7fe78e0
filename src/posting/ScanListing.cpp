#include "posting/ScanListing.h"

#include "posting/KindCodes.h"

#include <cmath>

namespace tekvora::posting {

namespace {

QString dateText(ScanMinute minute)
{
    const QDate date = dateOfScanMinute(minute);
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("  .  .    ");
}

QString timeText(ScanMinute minute)
{
    return minute != 0 ? scanTimeText(minute) : QStringLiteral("  :  ");
}

QString number(int value, int width)
{
    return QString::number(value).rightJustified(width);
}

} // namespace

QString scanListingHeader()
{
    return QStringLiteral(" TT E TourID TourNr  ObjID  ObjNr PersNr  JobID  TätNr  Tourdatum      von Uhrzeit"
                          "      bis Uhrzeit Dauer M");
}

QString scanListingRule()
{
    return QString(107, QLatin1Char('-'));
}

QString scanListingLine(const RawScanRecord &record)
{
    const long minutes = std::lround(record.dauer * 60.0);
    QString line;
    line.reserve(112);
    line += QLatin1Char('#') + kindCodeText(record.tourType) + number(record.entryType, 2);
    for (int value : {record.tourId, record.tourNr, record.objId, record.objNr, record.persNr, record.jobId,
                      record.taetigNr})
        line += number(value, 7);
    line += QLatin1Char(' ') + dateText(record.tourDate);
    line += QLatin1Char(' ') + dateText(record.start) + QLatin1Char(' ') + timeText(record.start);
    line += QLatin1Char(' ') + dateText(record.end) + QLatin1Char(' ') + timeText(record.end);
    line += number(int(minutes / 60), 3) + QLatin1Char(':') + QString::number(minutes % 60).rightJustified(2, QLatin1Char('0'));
    line += QLatin1Char(' ');
    line += QLatin1Char(char(record.mode));
    return line;
}

} // namespace tekvora::posting
