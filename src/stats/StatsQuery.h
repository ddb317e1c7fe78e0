#pragma once

#include "stats/GridFilter.h"
#include "stats/StatsPeriod.h"
#include "stats/StatsViews.h"

#include <QSqlDatabase>
#include <QVariantList>

#include <optional>

namespace tekvora::stats {

/// SQL text with '?' placeholders and the values to bind, in order.
struct BoundSql
{
    QString text;
    QVariantList values;
};

/// The rows of a view: every record whose period field lies in [start 00:00, end + 1 day 00:00),
/// restricted by the grid filter, in the view's order. The shown columns come first, then the
/// view's extra fields.
BoundSql viewRowsSql(StatsView view, const StatsPeriod &period, const GridFilter &filter = {});

/// One row with the sums of the view's footer fields over every row of viewRowsSql (not just the
/// fetched ones); sums are taken over the stored decimal hours.
BoundSql viewFooterSql(StatsView view, const StatsPeriod &period, const GridFilter &filter = {});

/// The person rows of one visit, whatever their own start.
BoundSql visitPersonsSql(qint64 visitId);

/// Prepares and runs the statement; false with the driver's text in *error.
bool execBound(QSqlQuery &query, const BoundSql &sql, QString *error);

/// Runs viewFooterSql. An absent statistics table counts as no rows. std::nullopt on a query error.
std::optional<QList<double>> viewFooterSums(const QSqlDatabase &db, StatsView view, const StatsPeriod &period,
                                            const GridFilter &filter, QString *error);

/// True when the view's table exists (the posting creates it when the first data comes).
bool viewTableExists(const QSqlDatabase &db, StatsView view);

/// Samples the statistics tables for SQLite's planner (a few milliseconds also on large tables).
/// With these figures a month's view reads its rows in order through the number-and-start
/// indexes instead of sorting the whole month first. Worth repeating after bulk changes.
void refreshPlannerStatistics(const QSqlDatabase &db);

} // namespace tekvora::stats
