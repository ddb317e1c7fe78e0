#include "db/CdfLine.h"

#include "db/ValueText.h"

#include <QHash>

namespace tekvora::db {

namespace {

bool isExported(FieldType type)
{
    return type != FieldType::Memo && type != FieldType::FormattedMemo && type != FieldType::Graphic;
}

} // namespace

QString cdfLine(const QSqlRecord &record, const QList<FieldType> &types)
{
    QString line;
    for (int i = 0; i < record.count() && i < types.size(); ++i) {
        if (!isExported(types[i]))
            continue;
        if (types[i] == FieldType::Bool)
            line += record.value(i).toBool() ? u'J' : u'N';
        else
            line += valueText(record.value(i), types[i]);
        line += u';';
    }
    return line;
}

QString cdfHeader(const QSqlRecord &record, const QList<FieldType> &types)
{
    QString line;
    for (int i = 0; i < record.count() && i < types.size(); ++i)
        if (isExported(types[i]))
            line += record.fieldName(i) + u';';
    return line;
}

QByteArray toWindows1252(const QString &text)
{
    static const QHash<char16_t, char> high = [] {
        // The printable characters of 0x80..0x9F; the rest of the code page is Latin-1.
        const char16_t chars[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
        QHash<char16_t, char> map;
        for (int i = 0; i < 32; ++i)
            if (chars[i])
                map.insert(chars[i], char(0x80 + i));
        return map;
    }();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            bytes.append(char(u));
        else
            bytes.append(high.value(u, '?'));
    }
    return bytes;
}

} // namespace tekvora::db
