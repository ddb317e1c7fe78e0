#pragma once

#include <QDate>
#include <QDateTime>

namespace tekvora::stats {

/// The statistics period: whole days from start to end, both included.
struct StatsPeriod
{
    QDate start;
    QDate end;

    /// The first and last day of the month of the given day.
    static StatsPeriod monthOf(const QDate &day);

    /// Records starting at or after this moment belong to the period.
    QDateTime from() const { return start.startOfDay(); }
    /// Records starting before this moment (the day after the end, 00:00) belong to the period.
    /// An end before the start gives an empty period.
    QDateTime until() const { return end.addDays(1).startOfDay(); }

    /// "dd.mm.yyyy bis dd.mm.yyyy", as the printed statistics show it.
    QString text() const;

    bool operator==(const StatsPeriod &) const = default;
};

} // namespace tekvora::stats
