#pragma once

#include <QList>
#include <QStringList>

#include <utility>

namespace tekvora::app {

/// Sorts the rows below the fixed rows by one column's texts, exchanging whole rows; equal rows keep
/// their order. compare(a, b) > 0 means a belongs after b.
template<typename Compare>
void sortGridRows(QList<QStringList> &rows, qsizetype fixedRows, qsizetype column, Compare compare)
{
    if (rows.size() <= 2)
        return;
    const auto cell = [column](const QStringList &row) { return column < row.size() ? row.at(column) : QString(); };
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (qsizetype r = fixedRows; r + 1 < rows.size(); ++r) {
            if (compare(cell(rows.at(r)), cell(rows.at(r + 1))) > 0) {
                std::swap(rows[r], rows[r + 1]);
                exchanged = true;
            }
        }
    }
}

} // namespace tekvora::app
