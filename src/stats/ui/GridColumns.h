#pragma once

#include "stats/StatsViews.h"

#include <QHeaderView>
#include <QTableView>

namespace tekvora::stats {

/// Columns fill the grid's width: text and duration columns (whose footer sums outgrow their
/// rows) share the room, the others take what their contents need.
inline void fitColumnsToWidth(QTableView *view, const QList<StatsColumn> &columns)
{
    QHeaderView *header = view->horizontalHeader();
    for (int i = 0; i < columns.size(); ++i)
        header->setSectionResizeMode(i, columns.at(i).kind == ColumnKind::Text || columns.at(i).kind == ColumnKind::Duration
                                            ? QHeaderView::Stretch
                                            : QHeaderView::ResizeToContents);
}

} // namespace tekvora::stats
