#include "posting/KindCodes.h"

#include <array>
#include <utility>

namespace tekvora::posting {

namespace {

constexpr std::array<std::pair<KindCode, const char *>, 12> kindCodes{{
    {KindAP, "AP"},
    {KindWP, "WP"},
    {KindWI, "WI"},
    {KindPD, "PD"},
    {KindWD, "WD"},
    {KindCommand, "MD"},
    {KindObjectId, "OB"},
    {KindJobId, "JN"},
    {KindSite, "ON"},
    {KindStaff, "MA"},
    {KindActivity, "TN"},
    {KindAN, "AN"},
}};

} // namespace

KindCode kindCodeNumber(QStringView code)
{
    if (code.size() != 2)
        return KindUnknown;
    for (const auto &[number, text] : kindCodes) {
        if (code[0] == QLatin1Char(text[0]) && code[1] == QLatin1Char(text[1]))
            return number;
    }
    return KindUnknown;
}

QString kindCodeText(int number)
{
    for (const auto &[kind, text] : kindCodes) {
        if (kind == number)
            return QString::fromLatin1(text);
    }
    return QStringLiteral("??");
}

} // namespace tekvora::posting
