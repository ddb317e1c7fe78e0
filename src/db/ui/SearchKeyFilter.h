#pragma once

#include <QChar>
#include <QString>

namespace tekvora::db {

/// How a grid column's field takes part in the incremental search.
enum class SearchFieldKind {
    Text,
    Logical,
    DateTime,
    Number,
    NotSearchable, ///< calculated or looked-up columns
};

struct SearchKeyDecision
{
    bool accept = false;
    bool clearText = false;      ///< empty the search box before the key is applied
    bool notSearchable = false;  ///< tell the user that this column cannot be searched
};

inline constexpr QChar BackspaceKey{0x08};

/// Decides whether `key` typed into the search box of a grid sorted by a column of `kind` is taken.
/// A column index below 0 means no column: nothing is taken.
SearchKeyDecision decideSearchKey(int column, SearchFieldKind kind, const QString &searchText, QChar key);

} // namespace tekvora::db
