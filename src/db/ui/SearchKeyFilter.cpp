#include "db/ui/SearchKeyFilter.h"

#include <algorithm>

namespace tekvora::db {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

SearchKeyDecision decideSearchKey(int column, SearchFieldKind kind, const QString &searchText, QChar key)
{
    if (column < 0)
        return {};
    switch (kind) {
    case SearchFieldKind::NotSearchable:
        return {false, false, true};
    case SearchFieldKind::Text:
        return {true, false, false};
    case SearchFieldKind::Logical:
        return {QStringLiteral("JNjn").contains(key), false, false};
    case SearchFieldKind::DateTime:
        return {false, true, false};
    case SearchFieldKind::Number:
        break;
    }
    const bool clear = !std::all_of(searchText.cbegin(), searchText.cend(), isDigit);
    return {key == BackspaceKey || isDigit(key), clear, false};
}

} // namespace tekvora::db
