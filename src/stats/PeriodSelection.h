#pragma once

#include <QDate>
#include <QString>

namespace tekvora::stats {

/// One day cell of the selector's calendar, as the frame paints it.
struct CalendarDay
{
    QDate date;
    QString text;       ///< day of month, two digits
    bool inShownMonth;  ///< else shown grey
    bool inRange;       ///< start <= date <= end: yellow
    bool weekend;       ///< Saturday or Sunday: green unless in the range
    bool holiday;       ///< public holiday: bold red
};

/// The state and gestures of the period selector: a year grid (13 x 7 cells: "Jahr", month names,
/// six years) and a month calendar (8 x 7 cells: "KW", weekday letters, week numbers, days).
/// Rows and columns count from 0 and include the header row and column.
class PeriodSelection
{
public:
    static constexpr int yearColumns = 13;
    static constexpr int yearRows = 7;
    static constexpr int calendarColumns = 8;
    static constexpr int calendarRows = 7;

    /// The month of reference as period; the year column shows year + yearOffset + 1 onwards.
    void setUp(const QDate &reference, int yearOffset);
    /// Any range, also an end before the start; the calendar shows the start's month.
    void setRange(const QDate &start, const QDate &end);

    const QDate &start() const { return m_start; }
    const QDate &end() const { return m_end; }
    /// The day before the first day of the month the calendar shows.
    const QDate &anchor() const { return m_anchor; }

    QString yearCellText(int row, int column) const;
    /// A month cell whose month lies between the start's and the end's month.
    bool isMonthMarked(int row, int column) const;
    /// Left button pressed on the year grid: a whole year or one month.
    void pressYearCell(int row, int column);
    /// Left button released over, or moved while held across, the year grid: extends by months.
    void dragYearCell(int row, int column);

    QString calendarCellText(int row, int column) const;
    /// The date of a day cell (row 1-6, column 1-7); invalid for header cells.
    QDate calendarDate(int row, int column) const;
    CalendarDay calendarDay(int row, int column) const;
    /// ISO 8601 week number of a calendar row.
    int weekNumber(int row) const;
    /// Left button pressed on the calendar: a week from its week number, or one day.
    void pressCalendarCell(int row, int column);
    /// Left button released over, or moved while held across, a day: it becomes the end.
    void dragCalendarCell(int row, int column);

    /// "01.03.2009 - 31.05.2009".
    QString rangeText() const;
    /// "März 2009": the shown month.
    QString monthText() const;

private:
    bool isUsable(const QDate &date) const;
    QDate yearCellMonth(int row, int column) const;
    void setStart(const QDate &start);

    QDate m_start;
    QDate m_end;
    QDate m_anchor;
    int m_firstYear = 0;
};

} // namespace tekvora::stats
