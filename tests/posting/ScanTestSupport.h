#pragma once

#include "posting/ScanInterpreter.h"

#include <QHash>
#include <QStringList>

namespace tekvora::test {

/// Scanner register rows kept in memory.
class TableScannerRegister : public posting::ScannerRegister
{
public:
    std::optional<posting::RegisteredScanner> find(int scannerId) override
    {
        const auto found = rows.constFind(scannerId);
        if (found == rows.constEnd())
            return std::nullopt;
        return *found;
    }

    QHash<int, posting::RegisteredScanner> rows;
};

/// Expands short scan lines: "08:00 ON100" becomes "01.03.2026 08:00 ON100", "+1 00:15 MA5" the
/// same on the next day; "SC_ID:", comment and other lines stay as they are.
inline QStringList scanFileLines(const QStringList &shortLines)
{
    QStringList lines;
    for (const QString &line : shortLines) {
        if (line.size() >= 5 && line[2] == QLatin1Char(':')) {
            lines << QStringLiteral("01.03.2026 ") + line;
        } else if (line.startsWith(QLatin1Char('+'))) {
            const QDate day = QDate(2026, 3, 1).addDays(line.mid(1, 1).toInt());
            lines << day.toString(QStringLiteral("dd.MM.yyyy")) + line.mid(2);
        } else {
            lines << line;
        }
    }
    return lines;
}

} // namespace tekvora::test
